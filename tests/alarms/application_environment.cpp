#include <QApplication>

#include <gtest/gtest.h>

namespace {

// Timers and widgets need an application object; one lives for the whole run.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!QCoreApplication::instance())
            m_app = new QApplication(m_argc, m_argv);
    }

private:
    int m_argc = 1;
    char m_name[16] = "alarms_tests";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_app = nullptr;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

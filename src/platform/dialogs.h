#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QPageLayout;
class QWidget;

namespace arkivo::platform {

// Every message box and standard dialog of the program goes through here; no
// other code opens a QMessageBox or a Qt dialog itself. The test double
// (tests/support) answers from a script and records what was asked.
class Dialogs {
public:
    enum class Answer { Ok, Yes, No, Cancel };
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~Dialogs() = default;

    // A plain message with an OK button; title "Arkivo-viesti" unless given.
    virtual void message(const QString& text, const QString& title = QStringLiteral("Arkivo-viesti"),
                         Icon icon = Icon::Information) = 0;
    // Yes/no/cancel warning; title "Arkivo-varoitus" unless given. Only Yes goes ahead.
    virtual Answer askYesNoCancel(const QString& text, const QString& title = QStringLiteral("Arkivo-varoitus")) = 0;
    // Yes/no question.
    virtual Answer askYesNo(const QString& text, const QString& title = QStringLiteral("Arkivo-varoitus")) = 0;
    // The information dialog: caption "Arkivo-info: Tänään on " + today's short date, with a fixed body.
    virtual void information(const QString& body) = 0;
    // The application's standard error box for an error nobody handled (a bad tune and the like).
    virtual void error(const QString& text) = 0;

    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    // Empty result: cancelled. filter in Qt form: "Tekstitiedostot (*.txt);;Kaikki (*)".
    virtual QString openFileName(const QString& title, const QString& dir, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& dir, const QString& filter,
                                 const QString& defaultSuffix = QString()) = 0;
    // An open dialog that takes several files; empty: cancelled. The default asks for one.
    virtual QStringList openFileNames(const QString& title, const QString& dir, const QString& filter) {
        const QString one = openFileName(title, dir, filter);
        return one.isEmpty() ? QStringList() : QStringList{one};
    }
    // An information message with OK and Cancel; title "Arkivo-viesti" unless given.
    // The default asks yes/no, Yes standing for OK.
    virtual Answer askOkCancel(const QString& text, const QString& title = QStringLiteral("Arkivo-viesti")) {
        return askYesNo(text, title) == Answer::Yes ? Answer::Ok : Answer::Cancel;
    }
    virtual QString chooseFolder(const QString& title, const QString& dir) = 0;
    virtual std::optional<QString> inputBox(const QString& title, const QString& prompt, const QString& text) = 0;
    // Print and page set-up dialogs on a printer the caller owns; false: cancelled.
    virtual bool print(QPrinter& printer) = 0;
    virtual bool pageSetup(QPrinter& printer) = 0;
};

// The Qt implementation; parent windows are the active window.
class QtDialogs final : public Dialogs {
public:
    void message(const QString& text, const QString& title, Icon icon) override;
    Answer askYesNoCancel(const QString& text, const QString& title) override;
    Answer askYesNo(const QString& text, const QString& title) override;
    void information(const QString& body) override;
    void error(const QString& text) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    QString openFileName(const QString& title, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& dir, const QString& filter,
                         const QString& defaultSuffix) override;
    QString chooseFolder(const QString& title, const QString& dir) override;
    QStringList openFileNames(const QString& title, const QString& dir, const QString& filter) override;
    Answer askOkCancel(const QString& text, const QString& title) override;
    std::optional<QString> inputBox(const QString& title, const QString& prompt, const QString& text) override;
    bool print(QPrinter& printer) override;
    bool pageSetup(QPrinter& printer) override;
};

// The caption of the information dialog for today (through the clock).
QString informationCaption();

// Qt's own dialog texts (colour, font, file and print dialogs) in Finnish.
// The dialogs call it themselves; main() may call it early. Needs an application.
void installFinnishQtTranslations();

} // namespace arkivo::platform

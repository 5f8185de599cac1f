#include "platform/dialogs.h"

#include "common/finnish_format.h"
#include "platform/clock.h"
#include "platform/services.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QTranslator>

namespace arkivo::platform {

namespace {

QWidget* parentWindow() {
    return QApplication::activeWindow();
}

QMessageBox::Icon boxIcon(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Warning:
        return QMessageBox::Warning;
    case Dialogs::Icon::Error:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

void showOk(const QString& text, const QString& title, QMessageBox::Icon icon) {
    installFinnishQtTranslations();
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parentWindow());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

Dialogs::Answer ask(const QString& text, const QString& title, bool withCancel) {
    installFinnishQtTranslations();
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parentWindow());
    QPushButton* yes = box.addButton(QStringLiteral("&Kyllä"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Ei"), QMessageBox::NoRole);
    QPushButton* cancel = withCancel ? box.addButton(QStringLiteral("Peruuta"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes)
        return Dialogs::Answer::Yes;
    if (box.clickedButton() == no)
        return Dialogs::Answer::No;
    return withCancel ? Dialogs::Answer::Cancel : Dialogs::Answer::No;
}

} // namespace

void installFinnishQtTranslations() {
    static bool done = false;
    if (done || !QCoreApplication::instance())
        return;
    done = true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_fi"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void QtDialogs::message(const QString& text, const QString& title, Icon icon) {
    showOk(text, title, boxIcon(icon));
}

Dialogs::Answer QtDialogs::askYesNoCancel(const QString& text, const QString& title) {
    return ask(text, title, true);
}

Dialogs::Answer QtDialogs::askYesNo(const QString& text, const QString& title) {
    return ask(text, title, false);
}

void QtDialogs::information(const QString& body) {
    showOk(body, informationCaption(), QMessageBox::Information);
}

void QtDialogs::error(const QString& text) {
    showOk(text, QStringLiteral("Arkivo"), QMessageBox::Critical);
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
    installFinnishQtTranslations();
    const QColor c = QColorDialog::getColor(initial, parentWindow(), QStringLiteral("Väri"));
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> QtDialogs::chooseFont(const QFont& initial) {
    installFinnishQtTranslations();
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parentWindow(), QStringLiteral("Fontti"));
    if (!ok)
        return std::nullopt;
    return f;
}

QString QtDialogs::openFileName(const QString& title, const QString& dir, const QString& filter) {
    installFinnishQtTranslations();
    return QFileDialog::getOpenFileName(parentWindow(), title, dir, filter);
}

QString QtDialogs::saveFileName(const QString& title, const QString& dir, const QString& filter,
                                const QString& defaultSuffix) {
    installFinnishQtTranslations();
    QFileDialog dialog(parentWindow(), title, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(defaultSuffix.startsWith(QLatin1Char('.')) ? defaultSuffix.mid(1) : defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QStringList QtDialogs::openFileNames(const QString& title, const QString& dir, const QString& filter) {
    installFinnishQtTranslations();
    return QFileDialog::getOpenFileNames(parentWindow(), title, dir, filter);
}

Dialogs::Answer QtDialogs::askOkCancel(const QString& text, const QString& title) {
    installFinnishQtTranslations();
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton, parentWindow());
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Peruuta"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == ok ? Answer::Ok : Answer::Cancel;
}

QString QtDialogs::chooseFolder(const QString& title, const QString& dir) {
    installFinnishQtTranslations();
    return QFileDialog::getExistingDirectory(parentWindow(), title, dir);
}

std::optional<QString> QtDialogs::inputBox(const QString& title, const QString& prompt, const QString& text) {
    installFinnishQtTranslations();
    QInputDialog dialog(parentWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Peruuta"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool QtDialogs::print(QPrinter& printer) {
    installFinnishQtTranslations();
    QPrintDialog dialog(&printer, parentWindow());
    dialog.setWindowTitle(QStringLiteral("Tulosta"));
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::pageSetup(QPrinter& printer) {
    installFinnishQtTranslations();
    QPageSetupDialog dialog(&printer, parentWindow());
    dialog.setWindowTitle(QStringLiteral("Sivun asetukset"));
    return dialog.exec() == QDialog::Accepted;
}

QString informationCaption() {
    const QDate today = services().clock ? clock().now().date() : QDate::currentDate();
    return QStringLiteral("Arkivo-info: Tänään on ") + fi::shortDate(today);
}

} // namespace arkivo::platform

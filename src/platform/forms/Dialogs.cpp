#include "platform/forms/Dialogs.h"

#include "platform/TempOutput.h"
#include "platform/forms/Internal.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace forms
{

namespace
{

std::optional<QSize> screenOverride;

// Runs the dialog (or the script's answer); the chosen name, or nothing when cancelled.
std::optional<std::string> runFileDialog(CommonDialog& d, bool save)
{
    if (testing::Script* script = detail::activeScript()) {
        script->dialogs.push_back(
            {save, d.Filter, d.FilterIndex, d.DialogTitle, d.InitDir, d.Flags, d.FileName, d.CancelError});
        if (script->fileDialogAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = script->fileDialogAnswers.front();
        script->fileDialogAnswers.pop_front();
        return answer;
    }
    // Qt's own dialog: its name filters match regardless of case on every desktop.
    QFileDialog dialog(QApplication::activeWindow(), detail::qs(d.DialogTitle));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // As the original dialog, an open dialog takes a name that does not exist yet unless its file
    // must exist (the tools name their new outputs with it).
    const bool mustExist = !save && (d.Flags & cdlOFNFileMustExist);
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (save && !(d.Flags & cdlOFNOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = detail::nameFiltersOf(d.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(d.FilterIndex, 1, static_cast<int>(filters.size())) - 1;
        dialog.selectNameFilter(filters[index]);
    }
    if (!d.InitDir.empty()) dialog.setDirectory(detail::qs(d.InitDir));
    if (!d.FileName.empty()) dialog.selectFile(detail::qs(d.FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const int chosenFilter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    if (chosenFilter >= 0) d.FilterIndex = chosenFilter + 1;
    return detail::utf8(dialog.selectedFiles().constFirst());
}

void show(CommonDialog& d, bool save)
{
    d.Action = save ? 2 : 1;
    std::optional<std::string> chosen = runFileDialog(d, save);
    if (!chosen) {
        if (d.CancelError) throw DialogCancelled();
        return;
    }
    d.FileName = *chosen;
}

} // namespace

namespace detail
{

QStringList nameFiltersOf(const std::string& filter)
{
    QStringList out;
    const QStringList parts = qs(filter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        }
        const QString list = patterns.join(QLatin1Char(' '));
        // A description that already names its patterns is not given them twice.
        const QString suffix = QStringLiteral("(") + list + QStringLiteral(")");
        if (description.endsWith(suffix)) description.chop(suffix.size());
        description = description.trimmed();
        out << (description.isEmpty() ? suffix : description + QLatin1Char(' ') + suffix);
    }
    return out;
}

} // namespace detail

void CommonDialog::ShowOpen()
{
    show(*this, false);
}
void CommonDialog::ShowSave()
{
    show(*this, true);
}

int MsgBox(const std::string& prompt, int style, const std::string& title)
{
    const int buttons = style & 7;
    if (testing::Script* script = detail::activeScript()) {
        script->msgBoxes.push_back({prompt, style, title});
        if (!script->msgBoxAnswers.empty()) {
            const int answer = script->msgBoxAnswers.front();
            script->msgBoxAnswers.pop_front();
            return answer;
        }
        return buttons == vbYesNo ? vbYes : vbOK;
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(detail::qs(title));
    box.setText(detail::qs(prompt));
    switch (style & 0x70) {
    case vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case 32:
        box.setIcon(QMessageBox::Question);
        break;
    case vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case 64:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    std::vector<Choice> choices;
    switch (buttons) {
    case vbOKCancel:
        choices = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
        break;
    case 2:
        choices = {{QMessageBox::Abort, 3}, {QMessageBox::Retry, 4}, {QMessageBox::Ignore, 5}};
        break;
    case 3:
        choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
        break;
    case vbYesNo:
        choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
        break;
    case 5:
        choices = {{QMessageBox::Retry, 4}, {QMessageBox::Cancel, vbCancel}};
        break;
    default:
        choices = {{QMessageBox::Ok, vbOK}};
        break;
    }
    QMessageBox::StandardButtons set;
    for (const Choice& c : choices)
        set |= c.button;
    box.setStandardButtons(set);
    box.setDefaultButton(choices.front().button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const Choice& c : choices)
        if (c.button == clicked) return c.answer;
    // Closed without a button: the answer of Cancel where there is one, else the first.
    for (const Choice& c : choices)
        if (c.answer == vbCancel) return vbCancel;
    return choices.front().answer;
}

void End()
{
    if (testing::Script* script = detail::activeScript()) {
        ++script->endRequests;
        return;
    }
    // A conversion cut short this way leaves no temporary file behind.
    platform::TempOutput::abandonAll();
    std::fflush(nullptr);
    std::_Exit(0);
}

int Screen::Width()
{
    if (screenOverride) return screenOverride->width() * TwipsPerPixel;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() * TwipsPerPixel : 0;
}

int Screen::Height()
{
    if (screenOverride) return screenOverride->height() * TwipsPerPixel;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() * TwipsPerPixel : 0;
}

void OpenUrl(const std::string& url)
{
    if (testing::Script* script = detail::activeScript()) {
        script->urlsOpened.push_back(url);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromUserInput(detail::qs(url)));
}

namespace testing
{
void setScreenPixels(int width, int height)
{
    screenOverride = QSize(width, height);
}
void resetScreen()
{
    screenOverride.reset();
}
} // namespace testing

} // namespace forms

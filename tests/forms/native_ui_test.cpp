// The program's own dialogs, boxes and menus (no script installed), answered from the
// event loop as soon as they are up, so nothing waits for a person.

#include "FormsTest.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Menu.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace
{

// Runs `answer` on the modal widget or popup once the event loop shows one.
template <class W> void whenShown(std::function<void(W*)> answer, int triesLeft = 10000)
{
    QTimer::singleShot(0, qApp, [answer = std::move(answer), triesLeft] {
        QWidget* up = QApplication::activePopupWidget();
        if (!up) up = QApplication::activeModalWidget();
        if (auto* w = qobject_cast<W*>(up))
            answer(w);
        else if (triesLeft > 0)
            whenShown<W>(answer, triesLeft - 1);
    });
}

using NativeUi = FormsTest;

TEST_F(NativeUi, MessageBoxShowsTheStyleAndAnswersTheButtonPressed)
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(forms::MsgBox("Replace the list?", forms::vbYesNo | forms::vbExclamation), forms::vbNo);
    EXPECT_EQ(title, QStringLiteral("Sonavel"));
    EXPECT_EQ(text, QStringLiteral("Replace the list?"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons.size(), 2);
}

TEST_F(NativeUi, FileDialogTakesTheSettingsAndGivesTheChosenName)
{
    QTemporaryDir dir;
    forms::CommonDialog dlg;
    dlg.Filter = "Wave Files|*.wav|All Files|*.*";
    dlg.FilterIndex = 2;
    dlg.DialogTitle = "Save As";
    dlg.InitDir = dir.path().toStdString();
    const QString chosen = dir.filePath(QStringLiteral("out.wav"));
    QStringList filters;
    QString selectedFilter, caption;
    whenShown<QFileDialog>([&](QFileDialog* d) {
        filters = d->nameFilters();
        selectedFilter = d->selectedNameFilter();
        caption = d->windowTitle();
        d->selectFile(chosen);
        static_cast<QDialog*>(d)->accept(); // the dialog's own accept, as its Save button
    });
    dlg.ShowSave();
    EXPECT_EQ(dlg.FileName, chosen.toStdString());
    EXPECT_EQ(dlg.Action, 2);
    EXPECT_EQ(filters, (QStringList{"Wave Files (*.wav)", "All Files (*)"}));
    EXPECT_EQ(selectedFilter, QStringLiteral("All Files (*)"));
    EXPECT_EQ(caption, QStringLiteral("Save As"));

    dlg.CancelError = true;
    whenShown<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_THROW(dlg.ShowOpen(), forms::DialogCancelled);
    EXPECT_EQ(dlg.FileName, chosen.toStdString());
}

TEST_F(NativeUi, PopupMenuShowsVisibleEntriesWithSeparatorsAndRunsThePick)
{
    Options o;
    int about = 0;
    o.mnuAbout.onClick = [&] { ++about; };
    QStringList shown, tools;
    whenShown<QMenu>([&](QMenu* menu) {
        for (QAction* a : menu->actions())
            shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (QMenu* sub = menu->actions().at(2)->menu())
            for (QAction* a : sub->actions())
                tools << a->text();
        QAction* first = menu->actions().at(0);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(first).center());
    });
    forms::PopupMenu(o, o.mnuFile);
    EXPECT_EQ(shown, (QStringList{"About", "-", "Sonavel Tools"}));
    EXPECT_EQ(tools, (QStringList{"Encoder"}));
    EXPECT_EQ(about, 1);

    whenShown<QMenu>([](QMenu* menu) { menu->close(); });
    forms::PopupMenu(o, o.mnuFile); // closed without a pick: nothing runs
    EXPECT_EQ(about, 1);
}

} // namespace

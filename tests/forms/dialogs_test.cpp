#include "FormsTest.h"
#include "platform/TempOutput.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Internal.h"
#include "platform/forms/Menu.h"
#include "platform/forms/Testing.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

namespace ft = forms::testing;
using Dialogs = FormsTest;

TEST_F(Dialogs, SettingsAndTheLastNamePersistBetweenUses)
{
    ft::ScriptedUi ui;
    forms::CommonDialog dlg;
    dlg.Filter = "Playlist (*.m3u)|*.m3u|PLS|*.pls";
    dlg.DialogTitle = "Load Playlist";
    dlg.InitDir = "/music";
    ui.script().fileDialogAnswers = {"/music/a.m3u", std::nullopt};

    dlg.ShowOpen();
    EXPECT_EQ(dlg.FileName, "/music/a.m3u");
    EXPECT_EQ(dlg.Action, 1);
    dlg.ShowSave(); // cancelled without CancelError: returns, name unchanged
    EXPECT_EQ(dlg.FileName, "/music/a.m3u");
    EXPECT_EQ(dlg.Action, 2);

    ASSERT_EQ(ui.script().dialogs.size(), 2u);
    const auto& second = ui.script().dialogs[1];
    EXPECT_TRUE(second.save);
    EXPECT_EQ(second.Filter, dlg.Filter);
    EXPECT_EQ(second.DialogTitle, "Load Playlist");
    EXPECT_EQ(second.InitDir, "/music");
    EXPECT_EQ(second.FileName, "/music/a.m3u") << "the dialog opens on the name chosen last";
    EXPECT_FALSE(ui.script().dialogs[0].save);
    EXPECT_EQ(ui.script().dialogs[0].FileName, "");
}

TEST_F(Dialogs, CancelWithCancelErrorRaisesAndKeepsTheName)
{
    ft::ScriptedUi ui;
    forms::CommonDialog dlg;
    dlg.FileName = "/music/old.wav";
    dlg.CancelError = true;
    ui.script().fileDialogAnswers = {std::nullopt};
    EXPECT_THROW(dlg.ShowOpen(), forms::DialogCancelled);
    EXPECT_EQ(dlg.FileName, "/music/old.wav");
    EXPECT_THROW(dlg.ShowSave(), forms::DialogCancelled) << "no answer queued is a cancel too";
    ui.script().fileDialogAnswers = {"/music/new.wav"};
    EXPECT_NO_THROW(dlg.ShowSave());
    EXPECT_EQ(dlg.FileName, "/music/new.wav");
    EXPECT_TRUE(ui.script().dialogs.back().CancelError);
}

TEST_F(Dialogs, FiltersBecomeQtNameFilters)
{
    struct Case {
        std::string filter;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {"MP3 Files|*.mp3", {"MP3 Files (*.mp3)"}},
        {"Wave (*.wav)|*.wav|All Files|*.*", {"Wave (*.wav)", "All Files (*)"}},
        {"Playlists|*.m3u;*.pls", {"Playlists (*.m3u *.pls)"}},
        {"", {}},
        {"dangling description", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(forms::detail::nameFiltersOf(c.filter), c.expected) << c.filter;
}

TEST_F(Dialogs, PatternsMatchRegardlessOfCase)
{
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    for (const Case& c : {Case{"song.mp3", "*.mp3*", true}, Case{"SONG.MP3", "*.mp3*", true},
                          Case{"Song.Mp3.part", "*.mp3*", true}, Case{"song.wav", "*.mp3*", false},
                          Case{"LIST.M3U", "*.m3u", true}, Case{"a.wav", "*.mp3;*.WAV", true},
                          Case{"README", "*.*", true}, Case{"a.mp3x", "*.mp3", false}})
        EXPECT_EQ(forms::detail::NamePatterns(c.pattern).matches(c.name), c.match)
            << c.name << " ~ " << c.pattern;
}

TEST_F(Dialogs, MessageBoxesAreScriptedAndRecorded)
{
    ft::ScriptedUi ui;
    ui.script().msgBoxAnswers = {forms::vbNo};
    EXPECT_EQ(forms::MsgBox("Replace?", forms::vbYesNo), forms::vbNo);
    EXPECT_EQ(forms::MsgBox("Again?", forms::vbYesNo), forms::vbYes) << "default: the first button";
    EXPECT_EQ(forms::MsgBox("Drive /media/cd not ready", forms::vbExclamation), forms::vbOK);
    ASSERT_EQ(ui.script().msgBoxes.size(), 3u);
    EXPECT_EQ(ui.script().msgBoxes[2].prompt, "Drive /media/cd not ready");
    EXPECT_EQ(ui.script().msgBoxes[2].style, 48);
    EXPECT_EQ(ui.script().msgBoxes[2].title, "Sonavel");
}

TEST_F(Dialogs, EndAndUrlsAreRecordedUnderTest)
{
    ft::ScriptedUi ui;
    forms::End();
    forms::End();
    forms::OpenUrl("https://example.org/");
    EXPECT_EQ(ui.script().endRequests, 2);
    EXPECT_EQ(ui.script().urlsOpened, (std::vector<std::string>{"https://example.org/"}));
}

TEST_F(Dialogs, EndEndsTheProcessAtOnceWithoutUnloadHandlers)
{
    struct Last : forms::Form {
        Last() : Form({.Caption = "Last", .Width = 1500, .Height = 1500}) {}
        void Form_Unload(int&) override { std::fputs("unload ran", stderr); }
        void Form_Terminate() override { std::fputs("terminate ran", stderr); }
    };
    QTemporaryDir dir;
    const std::string out = dir.filePath("out.mp3").toStdString();
    GTEST_FLAG_SET(death_test_style, "fast"); // the child runs on from this point
    EXPECT_EXIT(
        {
            forms::the<Last>();
            platform::TempOutput cutShort; // a conversion still writing
            cutShort.create(out);
            forms::End();
            std::fputs("End returned", stderr);
        },
        ::testing::ExitedWithCode(0), "^$");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(Dialogs, ScreenSizeInTwips)
{
    const QSize real = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(forms::Screen::Width(), real.width() * 15);
    ft::setScreenPixels(1024, 768);
    EXPECT_EQ(forms::Screen::Width(), 15360);
    EXPECT_EQ(forms::Screen::Height(), 11520);
    ft::resetScreen();
    EXPECT_EQ(forms::Screen::Height(), real.height() * 15);
    EXPECT_EQ(forms::Screen::TwipsPerPixelX(), 15);
}

TEST_F(Dialogs, PopupMenuShowsVisibleEntriesAndRunsTheChosenOne)
{
    ft::ScriptedUi ui;
    Options o;
    std::vector<std::string> ran;
    o.mnuEncoder.onClick = [&] { ran.push_back("encoder"); };
    o.mnuHidden.onClick = [&] { ran.push_back("hidden"); };
    o.mnuAbout.onClick = [&] { ran.push_back("about"); };
    ui.script().menuChoices = {"mnuEncoder", "mnuHidden", "mnuTools"};
    forms::PopupMenu(o, o.mnuFile);
    forms::PopupMenu(o, o.mnuFile); // an invisible entry cannot be chosen
    forms::PopupMenu(o, o.mnuFile); // nor a sub-menu itself
    forms::PopupMenu(o, o.mnuFile); // nothing queued: nothing picked
    EXPECT_EQ(ran, (std::vector<std::string>{"encoder"}));
    ASSERT_EQ(ui.script().menus.size(), 4u);
    EXPECT_EQ(ui.script().menus[0].menu, "mnuFile");
    EXPECT_EQ(ui.script().menus[0].visibleEntries,
              (std::vector<std::string>{"mnuAbout", "Hyphen", "mnuTools", "mnuEncoder"}));
}

} // namespace

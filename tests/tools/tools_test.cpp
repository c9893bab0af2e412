// The two conversion windows driven as a user drives them (scripted dialogs, real clicks), with
// their real components converting short files made here.

#include "audio/AudioFixtures.h"
#include "platform/audio/AudioTesting.h"
#include "platform/forms/Form.h"
#include "platform/forms/Testing.h"
#include "player/Player.h"
#include "tools/ConversionQueue.h"
#include "tools/frmDecoder.h"
#include "tools/frmEncoder.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <sndfile.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace audiotest;
using forms::testing::click;

namespace
{

class Tools : public ::testing::Test
{
  protected:
    ~Tools() override
    {
        platform::audio::setFrameHookForTesting(nullptr);
        forms::Unload<frmDecoder>();
        forms::Unload<frmEncoder>();
        forms::Unload<Player>();
        forms::collectUnloaded();
    }

    frmDecoder& decoder() { return forms::the<frmDecoder>(); }
    frmEncoder& encoder() { return forms::the<frmEncoder>(); }

    // A press and release on a picker button, the dialog answering `answer` (nullopt: cancel).
    void pick(forms::Control& button, std::optional<std::string> answer)
    {
        ui.script().fileDialogAnswers.push_back(std::move(answer));
        forms::testing::press(button, 1);
        forms::testing::release(button, 1);
    }
    // Counts the jobs a component reports ended, then lets the window's own handler run.
    template <class Component> void countEnds(Component& c)
    {
        c.onThreadEnded = [this, handler = c.onThreadEnded] {
            ++ended;
            handler();
        };
    }
    void waitEnded(int n)
    {
        ASSERT_TRUE(waitFor([&] { return ended >= n; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(ended, n);
    }

    forms::testing::ScriptedUi ui;
    forms::testing::ManualClock clock;
    TempDir dir;
    int ended = 0;
};

TEST_F(Tools, DecoderConvertsItsQueueInOrderAndRunsItAgainFromTheFirst)
{
    writeMp3(dir.path("one.mp3"), plainMp3(44100, 2, 30)); // over 1000 frames: a fill of 100 twips
    writeMp3(dir.path("two.mp3"), plainMp3(22050, 1, 0.6));
    frmDecoder& w = decoder();
    countEnds(w.Tonewheel1);
    for (const char* name : {"one", "two"}) {
        pick(w.picMp3, dir.path(name + std::string(".mp3")));
        EXPECT_FALSE(w.picDecode.Enabled());
        EXPECT_EQ(w.txtOutname.Text(), "");
        pick(w.picWav, dir.path(name + std::string(".wav")));
        EXPECT_TRUE(w.picDecode.Enabled());
    }
    const auto& shown = ui.script().dialogs;
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].Filter, "MP3 Files|*.mp3|ALL Files|*.*");
    EXPECT_EQ(shown[1].Filter, "WAV Files|*.WAV|ALL Files|*.*");
    EXPECT_FALSE(shown[1].save || shown[1].Flags || shown[1].CancelError);

    std::vector<std::pair<std::string, bool>> firstJob; // status and Decode button, per frame
    w.Tonewheel1.onActFrame = [&, handler = w.Tonewheel1.onActFrame](int32_t f) {
        handler(f);
        if (w.JobIndex == 1) firstJob.emplace_back(w.lblComplete.Caption(), w.picDecode.Visible());
    };
    click(w.picDecode);
    EXPECT_TRUE(w.picDecode2.Visible());
    EXPECT_TRUE(w.lblComplete.Visible());
    waitEnded(2);

    for (const char* name : {"one", "two"}) {
        SCOPED_TRACE(name);
        const Decoded mp3 = decodeMp3(dir.path(name + std::string(".mp3")));
        const WavData wav = readWav(dir.path(name + std::string(".wav")));
        EXPECT_EQ(wav.rate, mp3.rate);
        EXPECT_EQ(wav.channels, mp3.channels);
        EXPECT_EQ(wav.samples, mp3.samples);
    }
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"one.mp3", "one.wav", "two.mp3", "two.wav"}));
    const int32_t frames = w.Tonewheel1.FrameCount();
    EXPECT_EQ(w.Picture1.Width(), frames / 10);
    EXPECT_EQ(w.Picture2.Width(), (frames - 1) / 10);
    ASSERT_GT(firstJob.size(), 1000u);
    EXPECT_EQ(firstJob.front(), std::pair(std::string("Decoding"), false));
    EXPECT_EQ(firstJob.back(), std::pair(std::string("Decoding"), true)); // back in the last 100 twips
    EXPECT_EQ(w.lblComplete.Caption(), "Complete");
    EXPECT_TRUE(w.picDecode.Visible());
    EXPECT_FALSE(w.picDecode2.Visible());
    EXPECT_EQ(w.JobIndex, 2);
    EXPECT_EQ(w.List1.ListIndex(), 1);
    EXPECT_EQ(w.txtFilename.Text(), dir.path("two.mp3"));

    click(w.picDecode); // every pair again, from the first
    waitEnded(4);
    EXPECT_EQ(w.JobIndex, 2);
}

TEST_F(Tools, EncoderConvertsItsQueueAtTheChosenRates)
{
    writeWav(dir.path("one.wav"), 44100, 2, 1, SF_FORMAT_PCM_16);
    writeWav(dir.path("two.wav"), 22050, 1, 0.5, SF_FORMAT_FLOAT);
    frmEncoder& w = encoder();
    countEnds(w.Presswork1);
    for (const char* name : {"one", "two"}) {
        pick(w.wav1, dir.path(name + std::string(".wav")));
        pick(w.mp31, dir.path(name + std::string(".mp3")));
    }
    EXPECT_EQ(ui.script().dialogs[0].Filter, "WAV Files|*.WAV|ALL Files|*.*");
    EXPECT_EQ(ui.script().dialogs[1].Filter, "MP3 Files|*.mp3|ALL Files|*.*");
    w.Combo1.setListIndex(3); // 64 kbps
    w.Combo2.setListIndex(1); // 32000 kHz

    std::vector<std::string> percents;
    w.Presswork1.onActFrame = [&, handler = w.Presswork1.onActFrame](int32_t f) {
        handler(f);
        EXPECT_EQ(w.lblComplete.Caption(), "Encoding");
        percents.push_back(w.Label1.Caption());
    };
    click(w.encode1);
    EXPECT_TRUE(w.encode2.Visible());
    EXPECT_FALSE(w.encode1.Visible());
    waitEnded(2);

    for (auto [name, channels] : {std::pair{"one", 2}, std::pair{"two", 1}}) {
        SCOPED_TRACE(name);
        const Decoded mp3 = decodeMp3(dir.path(name + std::string(".mp3")));
        EXPECT_EQ(mp3.rate, 32000);
        EXPECT_EQ(mp3.bitrate, 64);
        EXPECT_EQ(mp3.channels, channels);
    }
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.front(), "0 %");
    EXPECT_EQ(w.Label1.Caption(), "100");
    EXPECT_EQ(w.lblComplete.Caption(), "Complete");
    EXPECT_TRUE(w.encode1.Visible());
    EXPECT_FALSE(w.encode2.Visible());
    EXPECT_EQ(w.List2.ListIndex(), 1);
    EXPECT_EQ(w.txtOutname.Text(), dir.path("two.mp3"));
    EXPECT_EQ(dir.entries().size(), 4u);
}

TEST_F(Tools, EncoderRatesFollowTheCombosAndTypedTextsKeepTheLastOnes)
{
    struct Step {
        const char* name;
        std::function<void(frmEncoder&)> choose;
        int32_t bitRate, sampleRate;
    };
    const Step steps[] = {
        {"typed before any start", [](frmEncoder& w) { w.Combo1.setText("192"); }, 0, 0},
        {"design texts", [](frmEncoder& w) { w.Combo1.setText("128 (kbps)"); }, 128000, 0},
        {"56 kbps, 44100 kHz",
         [](frmEncoder& w) {
             w.Combo1.setListIndex(4);
             w.Combo2.setListIndex(2);
         },
         56000, 44100},
        {"an entry picked, then typed over",
         [](frmEncoder& w) {
             w.Combo1.setListIndex(5);
             QTest::keyClicks(static_cast<QComboBox*>(w.Combo1.widget())->lineEdit(), "0");
             w.Combo2.setText("48k");
         },
         56000, 44100},
        {"32 kbps, default",
         [](frmEncoder& w) {
             w.Combo1.setListIndex(5);
             w.Combo2.setListIndex(0);
         },
         32000, 0},
        {"48000 kHz, then the design text", [](frmEncoder& w) { w.Combo2.setListIndex(3); }, 32000, 48000},
        {"", [](frmEncoder& w) { w.Combo2.setText("default  (kHz)"); }, 32000, 0},
    };
    frmEncoder& w = encoder();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.choose(w);
        click(w.encode1); // nothing queued: the rates are set and nothing starts
        EXPECT_EQ(w.Presswork1.BitRate(), s.bitRate);
        EXPECT_EQ(w.Presswork1.SampleRate(), s.sampleRate);
        EXPECT_TRUE(w.encode1.Visible());
        EXPECT_FALSE(w.encode2.Visible());
    }
}

// What differs between the two windows for the cases both must handle alike.
struct Window {
    const char* name;
    std::function<forms::Control&()> input, output, start, busy;
    std::function<void(const std::string&)> writeInput;
    std::function<int32_t()> playing; // 0 when the window's component plays nothing
};

class BothTools : public Tools
{
  protected:
    std::vector<Window> windows()
    {
        return {
            {"decoder", []() -> forms::Control& { return forms::the<frmDecoder>().picMp3; },
             []() -> forms::Control& { return forms::the<frmDecoder>().picWav; },
             []() -> forms::Control& { return forms::the<frmDecoder>().picDecode; },
             []() -> forms::Control& { return forms::the<frmDecoder>().picDecode2; },
             [](const std::string& path) { writeMp3(path, plainMp3(44100, 2, 0.5)); },
             []() { return int32_t(forms::the<frmDecoder>().Tonewheel1.IsPlaying()); }},
            {"encoder", []() -> forms::Control& { return forms::the<frmEncoder>().wav1; },
             []() -> forms::Control& { return forms::the<frmEncoder>().mp31; },
             []() -> forms::Control& { return forms::the<frmEncoder>().encode1; },
             []() -> forms::Control& { return forms::the<frmEncoder>().encode2; },
             [](const std::string& path) { writeWav(path, 44100, 2, 0.5, SF_FORMAT_PCM_16); },
             []() { return int32_t(0); }},
        };
    }
    void closeAll()
    {
        forms::Unload<frmDecoder>();
        forms::Unload<frmEncoder>();
        forms::collectUnloaded();
        ended = 0;
    }
};

TEST_F(BothTools, PairsThatCannotBeConvertedStartNothingAndLoseNothing)
{
    const struct {
        const char* name;
        bool input;
        std::optional<std::string> output; // nullopt: the output dialog cancelled before any choice
    } cases[] = {{"no input queued", false, "out"}, {"no output named", true, std::nullopt}};
    for (const Window& win : windows())
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(win.name) + ": " + c.name);
            const std::string in = dir.path("in"), out = dir.path("out");
            win.writeInput(in);
            if (c.input) pick(win.input(), in);
            pick(win.output(), c.output ? std::optional(dir.path(*c.output)) : std::nullopt);
            click(win.start());
            EXPECT_TRUE(win.start().Visible()); // not left in its busy look
            EXPECT_FALSE(win.busy().Visible());
            QCoreApplication::processEvents();
            EXPECT_EQ(win.playing(), 0);
            EXPECT_EQ(dir.entries(), std::vector<std::string>{"in"});
            closeAll();
        }
}

TEST_F(BothTools, AnOutputNamingItsOwnInputIsPassedOver)
{
    for (const Window& win : windows()) {
        SCOPED_TRACE(win.name);
        const std::string same = dir.path(std::string(win.name) + ".same"), other = dir.path("other");
        win.writeInput(same);
        win.writeInput(other);
        const std::string before = readBytes(same);
        pick(win.input(), same);
        pick(win.output(), same);
        pick(win.input(), other);
        pick(win.output(), other + ".out");
        if (std::string(win.name) == "decoder")
            countEnds(decoder().Tonewheel1);
        else
            countEnds(encoder().Presswork1);
        click(win.start());
        waitEnded(1);
        EXPECT_EQ(readBytes(same), before);
        EXPECT_FALSE(readBytes(other + ".out").empty());
        EXPECT_TRUE(win.start().Visible());
        closeAll();
    }
}

TEST_F(BothTools, StartingStopsTheMainWindowsPlaybackOnly)
{
    writeMp3(dir.path("song.mp3"), plainMp3(44100, 2, 2));
    Player& p = forms::the<Player>();
    for (const Window& win : windows()) {
        SCOPED_TRACE(win.name);
        std::atomic<bool> held{false}; // the song is held playing at its tenth frame
        platform::audio::setFrameHookForTesting([&](int32_t frame, const int16_t*, size_t) {
            if (frame == 10 && !held.exchange(true)) p.Tonewheel1.PauseSong();
        });
        p.Tonewheel1.OpenSong(dir.path("song.mp3"), "");
        p.Tonewheel1.PlaySong();
        ASSERT_TRUE(waitFor([&] { return held.load(); }));
        platform::audio::setFrameHookForTesting(nullptr);
        p.imgplay.setVisible(false);
        p.imgpause.setVisible(true);
        p.Timer5.setEnabled(true);
        const std::string caption = p.Caption();

        if (std::string(win.name) == "decoder") pick(win.output(), std::nullopt);
        forms::testing::press(win.start(), 1);
        EXPECT_EQ(p.Tonewheel1.IsPlaying(), 0);
        EXPECT_FALSE(p.imgplay.Visible());
        EXPECT_TRUE(p.imgpause.Visible());
        EXPECT_TRUE(p.Timer5.Enabled());
        EXPECT_EQ(p.Caption(), caption);
        forms::testing::release(win.start(), 1);
        closeAll();
    }
}

TEST_F(Tools, ClosingTheDecoderMidJobLeavesNoFileAndBringsTheMainWindowBack)
{
    writeMp3(dir.path("in.mp3"), plainMp3(44100, 2, 2));
    frmDecoder& w = decoder();
    platform::Tonewheel* component = &w.Tonewheel1;
    std::atomic<bool> held{false};
    platform::audio::setFrameHookForTesting([&](int32_t frame, const int16_t*, size_t) {
        if (frame == 10 && !held.exchange(true)) component->PauseSong();
    });
    pick(w.picMp3, dir.path("in.mp3"));
    pick(w.picWav, dir.path("out.wav"));
    click(w.picDecode);
    ASSERT_TRUE(waitFor([&] { return held.load(); }));
    click(w.Image1);
    EXPECT_EQ(w.WindowState(), 1);

    click(w.imgClose);
    EXPECT_TRUE(forms::the<Player>().Visible());
    EXPECT_FALSE(forms::isLoaded<frmDecoder>());
    forms::collectUnloaded();
    QCoreApplication::processEvents();
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"in.mp3"});
    forms::testing::setScreenPixels(1000, 800);
    frmDecoder& fresh = decoder(); // loaded afresh: empty, centred
    forms::testing::resetScreen();
    EXPECT_EQ(fresh.List1.ListCount(), 0);
    EXPECT_FALSE(fresh.picDecode.Enabled());
    EXPECT_NEAR(fresh.Left(), (15000 - 5085) / 2, 15);
    EXPECT_NEAR(fresh.Top(), (12000 - 4155) / 2, 15);
}

// The program's own dialog, no script: an output is a name that need not exist yet.
TEST(ToolsDialog, NameWavTakesANameThatDoesNotExistYet)
{
    TempDir dir;
    const QString name = QString::fromStdString(dir.path("new.wav"));
    std::optional<QFileDialog::FileMode> mode;
    std::function<void()> answer = [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d) return QTimer::singleShot(0, qApp, answer);
        mode = d->fileMode();
        d->selectFile(name);
        if (mode == QFileDialog::AnyFile)
            static_cast<QDialog*>(d)->accept(); // the dialog's own accept, as its Open button
        else
            d->reject(); // its accept would refuse the name with a message box
    };
    QTimer::singleShot(0, qApp, answer);
    frmDecoder& w = forms::the<frmDecoder>();
    forms::testing::press(w.picWav, 1);
    forms::testing::release(w.picWav, 1);
    EXPECT_EQ(mode, QFileDialog::AnyFile);
    EXPECT_EQ(w.List2.List(0), name.toStdString());
    forms::Unload<frmDecoder>();
    forms::collectUnloaded();
}

TEST(ToolsPercent, NearestWholePercentHalvesToEven)
{
    const struct {
        int32_t frame, count;
        const char* text;
    } cases[] = {{1, 3, "33 %"}, {1, 8, "12 %"}, {3, 8, "38 %"}, {0, 5, "0 %"}, {30000000, 30000001, "100 %"},
                 {5, 0, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(tools::PercentText(c.frame, c.count), c.text) << c.frame << "/" << c.count;
}

} // namespace

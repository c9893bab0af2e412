// The two conversion windows driven as a user drives them (scripted dialogs, real clicks), with
// their real components converting short files made here.

#include "audio/AudioFixtures.h"
#include "platform/audio/AudioTesting.h"
#include "platform/forms/Testing.h"
#include "player/Player.h"
#include "support/AppWindows.h"
#include "tools/ConversionQueue.h"
#include "tools/frmDecoder.h"
#include "tools/frmEncoder.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <atomic>
#include <optional>
#include <sndfile.h>

using namespace audiotest;
using forms::testing::click;
using platform::audio::setFrameHookForTesting;

namespace
{

class Tools : public ::testing::Test
{
  protected:
    ~Tools() override
    {
        setFrameHookForTesting(nullptr);
        testsupport::unloadWindows();
    }
    // A press and release on a picker button, the dialog answering `answer` (nullopt: cancel).
    void pick(forms::Control& button, std::optional<std::string> answer)
    {
        ui.script().fileDialogAnswers.push_back(std::move(answer));
        forms::testing::press(button, 1);
        forms::testing::release(button, 1);
    }
    // Holds `component` at the tenth frame of a job started by `start`.
    template <class Component, class Start> void holdAtFrame10(Component& component, Start start)
    {
        std::atomic<bool> held{false};
        setFrameHookForTesting([&](int32_t frame, const int16_t*, size_t) {
            if (frame == 10 && !held.exchange(true)) component.PauseSong();
        });
        start();
        ASSERT_TRUE(waitFor([&] { return held.load(); }));
        setFrameHookForTesting(nullptr);
    }
    // The main window playing a song, held, with the images of a song playing.
    Player& mainWindowPlaying()
    {
        writeMp3(dir.path("song.mp3"), plainMp3(44100, 2, 2));
        Player& p = forms::the<Player>();
        holdAtFrame10(p.Tonewheel1, [&] {
            p.Tonewheel1.OpenSong(dir.path("song.mp3"), "");
            p.Tonewheel1.PlaySong();
        });
        p.imgplay.setVisible(false);
        p.imgpause.setVisible(true);
        return p;
    }
    static void expectStoppedOnly(Player& p)
    {
        EXPECT_EQ(p.Tonewheel1.IsPlaying(), 0);
        EXPECT_FALSE(p.imgplay.Visible());
        EXPECT_TRUE(p.imgpause.Visible());
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
    frmDecoder& w = forms::the<frmDecoder>();
    countEnds(w.Tonewheel1);
    for (const std::string name : {"one", "two"}) {
        pick(w.picMp3, dir.path(name + ".mp3"));
        EXPECT_FALSE(w.picDecode.Enabled());
        pick(w.picWav, dir.path(name + ".wav"));
    }
    EXPECT_EQ(ui.script().dialogs[0].Filter, "MP3 Files|*.mp3|ALL Files|*.*");
    EXPECT_EQ(ui.script().dialogs[1].Filter, "WAV Files|*.WAV|ALL Files|*.*");

    std::vector<std::pair<std::string, bool>> firstJob; // status and Decode button, per frame
    w.Tonewheel1.onActFrame = [&, handler = w.Tonewheel1.onActFrame](int32_t f) {
        handler(f);
        if (w.JobIndex == 1) firstJob.emplace_back(w.lblComplete.Caption(), w.picDecode.Visible());
    };
    Player& p = mainWindowPlaying();
    click(w.picDecode);
    expectStoppedOnly(p);
    waitEnded(2);

    for (const std::string name : {"one", "two"}) {
        const Decoded mp3 = decodeMp3(dir.path(name + ".mp3"));
        const WavData wav = readWav(dir.path(name + ".wav"));
        EXPECT_EQ(wav.rate, mp3.rate) << name;
        EXPECT_EQ(wav.samples, mp3.samples) << name;
    }
    EXPECT_EQ(dir.entries().size(), 5u); // no temporary file left
    ASSERT_GT(firstJob.size(), 1000u);
    EXPECT_EQ(firstJob.front(), std::pair(std::string("Decoding"), false));
    EXPECT_EQ(firstJob.back(), std::pair(std::string("Decoding"), true)); // back in the last 100 twips
    EXPECT_EQ(w.Picture1.Width(), w.Tonewheel1.FrameCount() / 10);
    EXPECT_EQ(w.lblComplete.Caption(), "Complete");
    EXPECT_TRUE(w.picDecode.Visible() && !w.picDecode2.Visible());
    EXPECT_EQ(w.List1.ListIndex(), 1);
    EXPECT_EQ(w.txtFilename.Text(), dir.path("two.mp3"));

    click(w.picDecode); // every pair again, from the first
    waitEnded(4);
}

TEST_F(Tools, DecoderProgressOfALongJobStaysOnTheWindow)
{
    writeRepeatedFrames(dir.path("long.mp3"), FramesOf101Minutes);
    frmDecoder& w = forms::the<frmDecoder>();
    pick(w.picMp3, dir.path("long.mp3"));
    pick(w.picWav, dir.path("long.wav"));
    holdAtFrame10(w.Tonewheel1, [&] { click(w.picDecode); });
    EXPECT_LE(w.Picture1.Left() + w.Picture1.Width(), w.Width() - 7 * 15) << "inside the window's frame";
    constexpr int32_t last = FramesOf101Minutes - 1;
    const struct {
        int32_t frame;
        double filled;
        const char* status;
        bool decodeBack;
    } frames[] = {{FramesOf101Minutes / 2, 0.5, "Decoding", false},
                  {last - 1000, 0.99, "Decoding", false},
                  {last - 990, 0.99, "Decoding", true},
                  {last, 1.0, "Decoding", true}};
    for (const auto& f : frames) {
        w.Tonewheel1_ActFrame(f.frame);
        EXPECT_NEAR(double(w.Picture2.Width()) / w.Picture1.Width(), f.filled, 0.005) << f.frame;
        EXPECT_EQ(w.lblComplete.Caption(), f.status) << f.frame;
        EXPECT_EQ(w.picDecode.Visible(), f.decodeBack) << f.frame;
    }
}

TEST_F(Tools, AFailedPairSaysSoAndTheQueueGoesOn)
{
    writeMp3(dir.path("good.mp3"), plainMp3(22050, 1, 0.5));
    writeBytes(dir.path("bad.mp3"), "not a song at all");
    writeWav(dir.path("good.wav"), 22050, 1, 0.5, SF_FORMAT_PCM_16);
    writeBytes(dir.path("old.mp3"), "kept");
    frmDecoder& d = forms::the<frmDecoder>();
    frmEncoder& e = forms::the<frmEncoder>();
    countEnds(d.Tonewheel1);
    countEnds(e.Presswork1);
    std::vector<std::string> words;
    d.Tonewheel1.onThreadEnded = [&, handler = d.Tonewheel1.onThreadEnded] {
        handler();
        words.push_back(d.lblComplete.Caption());
    };
    for (auto [in, out] : {std::pair{"bad.mp3", "bad.wav"}, {"good.mp3", "a.wav"}}) {
        pick(d.picMp3, dir.path(in));
        pick(d.picWav, dir.path(out));
    }
    click(d.picDecode);
    waitEnded(2);
    EXPECT_EQ(words, (std::vector<std::string>{"Failed", "Failed"})) << "the run's end counts every pair";
    EXPECT_FALSE(std::filesystem::exists(dir.path("bad.wav")));
    EXPECT_TRUE(std::filesystem::exists(dir.path("a.wav")));

    pick(e.wav1, dir.path("gone.wav"));
    pick(e.mp31, dir.path("old.mp3"));
    click(e.encode1);
    waitEnded(3);
    EXPECT_EQ(e.lblComplete.Caption() + "|" + e.Label1.Caption(), "Failed| ");
    EXPECT_EQ(readBytes(dir.path("old.mp3")), "kept");
    // The run again, the first pair failing once more, then a WAV of no samples, a good one,
    // and a failing pair whose share must not be the good pair's.
    writeWav(dir.path("none.wav"), 22050, 1, 0, SF_FORMAT_PCM_16);
    for (auto [in, out] :
         {std::pair{"none.wav", "none.mp3"}, {"good.wav", "good.mp3"}, {"gone.wav", "old.mp3"}}) {
        pick(e.wav1, dir.path(in));
        pick(e.mp31, dir.path(out));
    }
    words.clear();
    e.Presswork1.onThreadEnded = [&, handler = e.Presswork1.onThreadEnded] {
        handler();
        words.push_back(e.lblComplete.Caption());
    };
    click(e.encode1);
    waitEnded(7);
    EXPECT_EQ(words, (std::vector<std::string>{"Failed", "Complete", "Complete", "Failed"}));
    EXPECT_EQ(e.Label1.Caption(), " ");
    const Decoded none = decodeMp3(dir.path("none.mp3"));
    EXPECT_GT(none.frames, 0);
    EXPECT_TRUE(none.samples.empty());
}

TEST_F(Tools, DecoderStartsNothingWithoutAnInputOrAnOutput)
{
    writeMp3(dir.path("a.mp3"), plainMp3(44100, 2, 0.5));
    frmDecoder& w = forms::the<frmDecoder>();
    countEnds(w.Tonewheel1);
    pick(w.picWav, std::nullopt); // cancelled before any choice: an empty output, and no input
    click(w.picDecode);
    EXPECT_TRUE(w.picDecode.Visible() && !w.picDecode2.Visible());
    EXPECT_FALSE(w.lblComplete.Visible());
    pick(w.picMp3, dir.path("a.mp3")); // an input whose output is empty: not played aloud either
    click(w.picDecode);
    EXPECT_TRUE(w.picDecode.Visible() && !w.picDecode2.Visible());
    EXPECT_EQ(w.Tonewheel1.IsPlaying(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.mp3"});

    // That empty first pair does not block the pairs behind it.
    pick(w.picMp3, dir.path("a.mp3"));
    pick(w.picWav, dir.path("a.wav"));
    click(w.picDecode);
    waitEnded(1);
    EXPECT_EQ(w.txtOutname.Text(), dir.path("a.wav"));
    EXPECT_EQ(readWav(dir.path("a.wav")).samples, decodeMp3(dir.path("a.mp3")).samples);
}

TEST_F(Tools, EncoderConvertsItsQueueAtTheChosenRates)
{
    writeWav(dir.path("one.wav"), 44100, 2, 1, SF_FORMAT_PCM_16);
    writeWav(dir.path("two.wav"), 22050, 1, 0.5, SF_FORMAT_FLOAT);
    frmEncoder& w = forms::the<frmEncoder>();
    countEnds(w.Presswork1);
    pick(w.wav1, dir.path("one.wav"));
    pick(w.mp31, dir.path("one.wav")); // its own output: passed over
    for (const std::string name : {"one", "two"}) {
        pick(w.wav1, dir.path(name + ".wav"));
        pick(w.mp31, dir.path(name + ".mp3"));
    }
    w.Combo1.setListIndex(3); // 64 kbps
    w.Combo2.setListIndex(1); // 32000 kHz
    std::vector<std::string> percents;
    w.Presswork1.onActFrame = [&, handler = w.Presswork1.onActFrame](int32_t f) {
        handler(f);
        percents.push_back(w.Label1.Caption() + " " + w.lblComplete.Caption());
    };
    Player& p = mainWindowPlaying();
    click(w.encode1);
    expectStoppedOnly(p);
    EXPECT_TRUE(w.encode2.Visible() && !w.encode1.Visible());
    waitEnded(2);

    for (auto [name, channels] : {std::pair{"one", 2}, std::pair{"two", 1}}) {
        const Decoded mp3 = decodeMp3(dir.path(name + std::string(".mp3")));
        EXPECT_EQ(mp3.rate, 32000) << name;
        EXPECT_EQ(mp3.bitrate, 64) << name;
        EXPECT_EQ(mp3.channels, channels) << name;
    }
    EXPECT_EQ(readWav(dir.path("one.wav")).channels, 2); // not written over by its own output
    EXPECT_EQ(dir.entries().size(), 5u);
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.front(), "0 % Encoding");
    EXPECT_EQ(w.Label1.Caption(), "100");
    EXPECT_EQ(w.lblComplete.Caption(), "Failed") << "the pair named as its own output was not written";
    EXPECT_TRUE(w.encode1.Visible() && !w.encode2.Visible());
    EXPECT_EQ(w.txtOutname.Text(), dir.path("two.mp3"));
}

TEST_F(Tools, EncoderRatesFollowTheCombosAndTypedTextsKeepTheLastOnes)
{
    const struct {
        int entry1;         // Combo1 entry to pick, -1 none
        const char* typed1; // then typed into Combo1 by the user, as keystrokes
        int entry2;         // Combo2 entry to pick, -1 none
        const char* text2;  // then Combo2's text set
        int32_t bitRate, sampleRate;
    } steps[] = {
        {-1, nullptr, -1, nullptr, 128000, 0}, // untouched: 128 kbps, the rate not written
        {4, "", 2, nullptr, 56000, 44100},     // 56 kbps, 44100 kHz
        {5, "0", -1, "48k", 56000, 44100},     // an entry typed over: the last rates kept
        {-1, nullptr, 3, nullptr, 56000, 48000},
        {0, "", 0, nullptr, 128000, 0},                // "default": back to the encoder's choice
        {-1, nullptr, 3, "default  (kHz)", 128000, 0}, // as its design text
    };
    frmEncoder& w = forms::the<frmEncoder>();
    auto* edit1 = static_cast<QComboBox*>(w.Combo1.widget())->lineEdit();
    for (const auto& s : steps) {
        if (s.entry1 >= 0) w.Combo1.setListIndex(s.entry1);
        if (s.typed1) QTest::keyClicks(edit1, s.typed1);
        if (s.entry2 >= 0) w.Combo2.setListIndex(s.entry2);
        if (s.text2) w.Combo2.setText(s.text2);
        click(w.encode1); // nothing queued: the rates are set and nothing starts
        EXPECT_EQ(w.Presswork1.BitRate(), s.bitRate) << w.Combo1.Text();
        EXPECT_EQ(w.Presswork1.SampleRate(), s.sampleRate) << w.Combo2.Text();
        EXPECT_TRUE(w.encode1.Visible() && !w.encode2.Visible());
    }
}

TEST_F(Tools, ClosingTheDecoderMidJobLeavesNoFileAndBringsTheMainWindowBack)
{
    writeMp3(dir.path("in.mp3"), plainMp3(44100, 2, 2));
    frmDecoder& w = forms::the<frmDecoder>();
    pick(w.picMp3, dir.path("in.mp3"));
    pick(w.picWav, dir.path("out.wav"));
    holdAtFrame10(w.Tonewheel1, [&] { click(w.picDecode); });
    click(w.Image1);
    EXPECT_EQ(w.WindowState(), 1);
    click(w.imgClose);
    EXPECT_TRUE(forms::the<Player>().Visible());
    EXPECT_FALSE(forms::isLoaded<frmDecoder>());
    forms::collectUnloaded();
    QCoreApplication::processEvents();
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"in.mp3"});

    forms::testing::setScreenPixels(1000, 800);
    frmDecoder& fresh = forms::the<frmDecoder>(); // loaded afresh: empty, centred
    forms::testing::resetScreen();
    EXPECT_EQ(fresh.List1.ListCount(), 0);
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

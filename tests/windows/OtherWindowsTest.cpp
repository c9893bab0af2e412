// The playlist, compact, About and tool windows as their descriptions give them.

#include "LayoutMatch.h"

#include "compact/Shade.h"
#include "menu/About.h"
#include "playlist/frmPlaylist.h"
#include "tools/frmDecoder.h"
#include "tools/frmEncoder.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(PlaylistWindow, ListsShareOnePlaceWithTheShuffledOneHidden)
{
    frmPlaylist w;
    EXPECT_EQ(w.Caption(), "Playlist");
    EXPECT_EQ(w.window()->size(), QSize(345, 234));
    EXPECT_TRUE(w.List1.Visible());
    EXPECT_FALSE(w.List7.Visible());
    EXPECT_EQ(w.List7.Left(), w.List1.Left());
    EXPECT_EQ(w.List7.Top(), w.List1.Top());
    EXPECT_EQ(w.List7.Width(), 4800);
    EXPECT_EQ(w.List7.Height(), 2880);
    EXPECT_FALSE(w.Text1.Visible());
    EXPECT_EQ(w.pclose.ToolTipText(), "Close");
    EXPECT_EQ(w.Delete1.ToolTipText(), "Delete Song");
    EXPECT_EQ(w.List1.ListCount(), 0);
}

TEST(CompactWindow, StripWithoutIconOrTooltips)
{
    Shade w;
    EXPECT_EQ(w.Caption(), "Form1");
    EXPECT_EQ(w.window()->size(), QSize(158, 12));
    EXPECT_TRUE(w.Icon().empty());
    for (const forms::Control* c :
         std::vector<const forms::Control*>{&w.shadeClose, &w.shadeshade, &w.LoadS, &w.NextS, &w.PreviousS,
                                            &w.StopS, &w.PauseS, &w.PlayS, &w.PauseS2, &w.Time1, &w.colon}) {
        EXPECT_TRUE(c->Visible()) << c->Name();
        EXPECT_EQ(c->ToolTipText(), "") << c->Name();
    }
    EXPECT_EQ(w.PlayS.Left(), 870);
    EXPECT_EQ(w.time4.Left(), 560);
}

TEST(AboutBox, BorderedWithTheProjectsOwnAddresses)
{
    About w;
    EXPECT_EQ(w.Caption(), "About ");
    EXPECT_EQ(w.window()->size(), QSize(277, 173));
    EXPECT_FALSE(w.window()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(w.window()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(w.Label2.Caption(), "Visist us at:");
    EXPECT_EQ(w.Label3.Caption(), AboutLayout::webAddress);
    EXPECT_EQ(w.Label3.Caption().rfind("http://sonavel.example.org", 0), 0u);
    EXPECT_NE(w.Label1.Caption().find("@sonavel.example.org"), std::string::npos);
}

// The popup menu "Options" exactly as the description lays it out.
TEST(AboutBox, CarriesTheOptionsMenuTree)
{
    About w;
    struct Entry {
        int level;
        std::string name, caption;
        bool operator==(const Entry&) const = default;
    };
    const std::vector<Entry> expected{
        {0, "mnuFile", "Options"},
        {1, "mnuAbout", "About"},
        {1, "Hyphen", "-"},
        {1, "mnuSonavel", "Sonavel Tools"},
        {2, "mnuEncoder", "Encoder"},
        {2, "mnuDecoder", "Decoder"},
        {1, "Hyphen2", "-"},
        {1, "mnuVolumeU", "Volume Up"},
        {1, "mnuVolumeD", "Volume Down"},
        {1, "Hyphen3", "-"},
        {1, "mnuExitEncoder", "Exit Encoder"},
        {1, "mnuExitDecoder", "Exit Decoder"},
        {1, "Hyphen4", "-"},
        {1, "mnuExitSonavel", "Exit Sonavel"},
    };
    std::vector<Entry> actual;
    auto walk = [&](auto& self, const forms::Menu& m, int level) -> void {
        actual.push_back({level, m.Name(), m.Caption()});
        EXPECT_TRUE(m.Enabled()) << m.Name();
        if (level > 0) {
            EXPECT_TRUE(m.Visible()) << m.Name();
        }
        for (const forms::Menu* child : m.children())
            self(self, *child, level + 1);
    };
    walk(walk, w.mnuFile, 0);
    EXPECT_EQ(actual, expected);
    EXPECT_FALSE(w.mnuFile.Visible()) << "the About box shows no menu bar";
}

TEST(DecoderWindow, StartsWithDecodeDisabledAndSecondLooksHidden)
{
    frmDecoder w;
    EXPECT_EQ(w.Caption(), "Decoder");
    EXPECT_EQ(w.window()->size(), QSize(339, 277));
    EXPECT_FALSE(w.picDecode.Enabled());
    EXPECT_TRUE(w.picDecode.Visible());
    EXPECT_FALSE(w.picMp3b.Visible());
    EXPECT_FALSE(w.picWav2.Visible());
    EXPECT_FALSE(w.picDecode2.Visible());
    EXPECT_FALSE(w.lblComplete.Visible());
    EXPECT_EQ(w.lblComplete.Caption(), "Complete");
    EXPECT_EQ(w.txtFilename.Text(), "No File Loaded");
    EXPECT_EQ(w.txtOutname.Text(), "No File Specified");
    EXPECT_EQ(w.Picture2.widget()->parentWidget(), w.Picture1.widget());
    EXPECT_EQ(w.Picture2.Width(), 15);
    EXPECT_EQ(w.Image1.ToolTipText(), "minimize");
    EXPECT_EQ(w.imgClose.ToolTipText(), "close");
}

TEST(EncoderWindow, RateChoicesAndDesignTexts)
{
    frmEncoder w;
    EXPECT_EQ(w.Caption(), "Encoder");
    EXPECT_EQ(w.window()->size(), QSize(339, 266));
    EXPECT_EQ(w.Combo1.Text(), "128 (kbps)");
    EXPECT_EQ(w.Combo2.Text(), "default  (kHz)");
    const std::vector<std::string> bitRates{"128 kbps", "112 kbps", "96 kbps",
                                            "64 kbps",  "56 kbps",  "32 kbps"};
    const std::vector<std::string> sampleRates{"default", "32000 kHz", "44100 kHz", "48000 kHz"};
    auto entries = [](const forms::ComboBox& c) {
        std::vector<std::string> out;
        for (int i = 0; i < c.ListCount(); ++i)
            out.push_back(c.List(i));
        return out;
    };
    EXPECT_EQ(entries(w.Combo1), bitRates);
    EXPECT_EQ(entries(w.Combo2), sampleRates);
    EXPECT_EQ(w.Combo1.ListIndex(), -1) << "no entry chosen before the user picks one";
    EXPECT_EQ(w.Label1.Caption(), " ");
    EXPECT_TRUE(w.lblComplete.Visible());
    EXPECT_EQ(w.lblComplete.Caption(), "Complete");
    EXPECT_EQ(w.Image2.ToolTipText(), "Minimize");
    EXPECT_EQ(w.Image1.ToolTipText(), "Close");

    // "100" shows whole: drawn unclipped in the label's font, all of it lies inside the label.
    w.Show();
    w.Label1.setCaption("100");
    QWidget* label = w.Label1.widget();
    QImage unclipped(label->width() * 2, label->height(), QImage::Format_RGB32);
    unclipped.fill(Qt::black);
    QPainter painter(&unclipped);
    painter.setFont(label->font());
    painter.setPen(Qt::red);
    painter.drawText(unclipped.rect(), Qt::AlignLeft | Qt::AlignTop, "100");
    painter.end();
    QImage black(label->size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(unclipped.copy(label->width(), 0, label->width(), label->height()), black)
        << "a part beyond the label's right edge";
    EXPECT_EQ(label->grab().toImage().convertToFormat(QImage::Format_RGB32), unclipped.copy(label->rect()));
}

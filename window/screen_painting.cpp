#include "engine/module1.h"
#include "platform/services.h"
#include "window/main_window.h"

#include <array>

namespace window {

using namespace Module1;
using platform::RGB;

namespace {

const std::array<const char*, 11> kGreeting = {
    "This",
    "software",
    "has 100s of",
    "multiple-choice",
    "questions to help",
    "you develop and test",
    "your statistical reasoning.",
    "Use the Statistical Data and",
    "the Statistical Inference menus to",
    "choose the kind of questions you would",
    "like to be asked. (c) 2001 The Brindlex Project",
};

const char* kVersionLine = "version 1.3, February 18, 2001 (c) 2001 The Brindlex Project";

const std::array<const char*, 4> kContact = {
    "The Brindlex Project",
    "Statistics teaching software",
    "https://brindlex.example.org",
    "feedback@brindlex.example.org",
};

const std::array<const char*, 3> kUsage = {
    "This software may be used for private, non-commercial purposes only,",
    "unless The Brindlex Project permits other use in writing.",
    "It comes as it is, without warranties of any kind.",
};

void useText(Graphics& g, platform::Double size, const String& font, platform::Color colour)
{
    g.TextSize = size;
    g.TextFont = font;
    g.ForeColor = colour;
}

const platform::Color kNameBlue = RGB(21, 33, 204);
const platform::Color kLinkBlue = RGB(23, 33, 204);
const platform::Color kBlack = RGB(0, 0, 0);

} // namespace

Integer TextWidth(Graphics& g, const String& text) { return static_cast<Integer>(g.StringWidth(text)); }

void mainWindow::drawPaintText(Graphics& g, const String& text, Integer y, Integer align)
{
    Integer W = ::mainWindow().Width;
    Integer x = 0;
    switch (align) {
    case 0:
        x = 10;
        break;
    case 1:
        x = static_cast<Integer>(platform::Round(static_cast<double>(W - TextWidth(g, text)) / 2.0));
        break;
    case 2:
        x = W - TextWidth(g, text);
        break;
    default:
        return;
    }
    g.DrawString(text, x, y, 0, false);
}

void mainWindow::Event_Paint(Graphics& g, const std::vector<platform::Rect>&)
{
    g.ForeColor = kLinkBlue;
    g.DrawLine(0, 0, ::mainWindow().Width, 0);

    if (gWindow == 0) {
        // The title bar reads "Brindlex" again after the About screen.
        ::mainWindow().Title = "Brindlex";
        useText(g, 36, "Times", kNameBlue);
        drawPaintText(g, "Brindlex", 56, 1);
        useText(g, 15, "Times", kBlack);
        for (Integer k = 0; k <= 10; ++k)
            drawPaintText(g, kGreeting[static_cast<size_t>(k)], 105 + 17 * k, 1);
    } else if (gWindow == 1) {
        ::mainWindow().Title = "Brindlex";
        useText(g, 12, gFont, kBlack);
        if (gWhichQ < 0) {
            congratulations(g);
        } else {
            if (gWhichQ > 0)
                for (Integer i = 1; i <= gNumLinesQ; ++i)
                    drawPaintText(g, gMsgQ(i), 20 * i + 5, 0);
            for (Integer i = 0; i <= 4; ++i)
                g.DrawString(gMsgA(i + 1), 70, 20 * gNumLinesQ + 42 + 20 * i, 0, false);
            // The feedback of the answer that was judged, not of a radio chosen since.
            if (gPaintHint == 1)
                for (Integer i = 1; i <= gNumLinesH(gJudgedAnswer); ++i)
                    drawPaintText(g, gMsgH(i, gJudgedAnswer), 20 * gNumLinesQ + 145 + 20 * i, 0);
            if (gLine > 0) {
                g.ForeColor = kNameBlue;
                g.DrawLine(0, gLine, 511, gLine);
                g.DrawLine(0, gLine + 120, 511, gLine + 120);
            }
            if (gGraph == 1)
                DrawChart(g);
        }
    } else {
        ::mainWindow().Title = "About Brindlex";
        useText(g, 36, "Times", kNameBlue);
        drawPaintText(g, "Brindlex", 40, 1);
        useText(g, 12, "Geneva", kBlack);
        drawPaintText(g, kVersionLine, 70, 1);
        drawPaintText(g, "The most recent version can be downloaded from", 90, 0);
        g.ForeColor = kLinkBlue;
        Integer w = TextWidth(g, kDownloadURL);
        gURLleft = static_cast<Integer>(platform::Round(static_cast<double>(::mainWindow().Width - w) / 2.0));
        gURLright = gURLleft + w;
        drawPaintText(g, kDownloadURL, 110, 1);
        g.DrawLine(gURLleft, 113, gURLright - 1, 113);
        g.ForeColor = kBlack;
        drawPaintText(g, "Please send suggestions and questions to", 130, 0);
        for (size_t k = 0; k < kContact.size(); ++k)
            drawPaintText(g, kContact[k], 150 + 20 * static_cast<Integer>(k), 1);
        for (size_t k = 0; k < kUsage.size(); ++k)
            drawPaintText(g, kUsage[k], 230 + 20 * static_cast<Integer>(k), 1);
    }

    // Every paint ends by centring the window on the main screen.
    Top = static_cast<Integer>(platform::Floor(static_cast<double>(platform::Screen(0).Height - Height) / 2.0));
    Left = static_cast<Integer>(platform::Floor(static_cast<double>(platform::Screen(0).Width - Width) / 2.0));
}

} // namespace window

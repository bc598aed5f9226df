#include "engine/category_table.h"
#include "engine/module1.h"
#include "platform/services.h"
#include "window/main_window.h"

#include <vector>

namespace window {

using namespace Module1;

void mainWindow::congratulations(Graphics& g)
{
    bool randomMode = gWndMsg == kRandomCategory;
    std::vector<String> lines;
    String caption;
    if (gWhichQ == -1) {
        Integer n = 0;
        if (randomMode) {
            for (Integer c = 1; c <= 10; ++c)
                n += gNumQ(c);
        } else {
            n = gNumQ(gType);
        }
        lines.push_back("Congratulations!  You have correctly answered all " + platform::Str(n) + " questions in this");
        if (randomMode) {
            lines.push_back("program!  If you want to be asked the questions again, click the Reset");
            lines.push_back("button below.  Otherwise, please use the Help menu to quit Brindlex.");
        } else {
            lines.push_back("category.  If you want to answer the questions in this category again,");
            lines.push_back("click the Reset button.  Otherwise, please choose another category, or");
            lines.push_back("else use the Help menu to quit Brindlex.");
        }
        caption = "Reset";
    } else if (gWhichQ == -2) {
        if (randomMode) {
            lines.push_back("You have correctly answered every question in this program, except for");
            lines.push_back("the ones you passed.  If you want to answer the questions you passed,");
            lines.push_back("click the Retry button.  Otherwise, use the Help menu to quit Brindlex.");
        } else {
            lines.push_back("You have correctly answered every question in this category, except for");
            lines.push_back("the ones you passed.  If you want to answer the questions you passed,");
            lines.push_back("click the Retry button below.  Otherwise, please choose another category,");
            lines.push_back("or else use the Help menu to quit Brindlex.");
        }
        caption = "Retry";
    } else {
        return;
    }
    for (size_t i = 0; i < lines.size(); ++i)
        drawPaintText(g, lines[i], 25 + 20 * static_cast<Integer>(i), 0);
    OkayButton().Caption = caption;
}

} // namespace window

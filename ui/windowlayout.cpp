#include "ui/windowlayout.h"

#include <cmath>

namespace cyclara {

namespace {

// A move to a negative size fails and leaves the control as it was; the layout goes on.
void moveIfValid(TwipsBox &box, const TwipsBox &target)
{
    if (target.width >= 0 && target.height >= 0)
        box = target;
}

} // namespace

void layOutWindow(WindowPlaces &p, float W, float H, bool showExplain)
{
    p.panelVisible = showExplain;
    if (showExplain) {
        moveIfValid(p.picPrompt, {0, H - p.picPrompt.height, W, p.picPrompt.height});
        moveIfValid(p.chart, {p.chart.left, p.chart.top, W - p.chart.left,
                              p.picPrompt.top - p.chart.top - 50});
    } else {
        moveIfValid(p.chart, {p.chart.left, p.chart.top, W - p.chart.left, H - p.chart.top - 50});
    }
    moveIfValid(p.lblPrompt, {0, p.lblPrompt.top, W, p.lblPrompt.height});

    // Where cmdGo would end 200 twips from the right edge; the tests below are strict.
    const float x = std::nearbyint(W - p.cmdGo.width - 200);
    if (p.cboName.right() + 100 < x)
        p.cmdGo.left = x;
    p.cmdHelp.left = p.cmdGo.left;
    if (p.chkSerias5.right() + 200 < x) {
        p.chkShowExplain.left = p.cmdGo.left;
        p.lblHome.left = p.chkShowExplain.right() + 100;
    }
}

float explainLabelWidth(float innerWidth, float left)
{
    const float width = innerWidth - left - 100;
    return width < 0 ? 0 : width;
}

} // namespace cyclara

#include "widgets/TrayIconLogic.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using mz::BalloonIcon;

TEST(TrayIconText, TooltipIsTheHintCutTo127Characters) {
    const QString a127(127, QLatin1Char('a'));
    // A pair of surrogates that would be cut in two goes as a whole.
    const QString emojiAt126 = QString(126, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x93\x96") + "zz";
    struct Case {
        QString hint;
        bool showHint;
        QString tooltip;
    } cases[] = {
        {QStringLiteral("Morvek Zefra"), true, QStringLiteral("Morvek Zefra")},
        {QString(200, QLatin1Char('x')), true, QString(127, QLatin1Char('x'))},
        {a127, true, a127},
        {a127 + "b", true, a127},
        {emojiAt126, true, QString(126, QLatin1Char('a'))},
        {QStringLiteral("Morvek Zefra"), false, QString()},
        {QString(), true, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mz::trayTooltip(c.hint, c.showHint), c.tooltip) << c.hint.size() << " " << c.showHint;
}

TEST(TrayIconText, BalloonCutsTextsAndMapsIconKinds) {
    const auto start = mz::balloonRequest(QStringLiteral("Morvek Zefra"),
                                          QString::fromUtf8("Para más opciones haga clic con el\r"
                                                            "botón derecho del mouse..."),
                                          1, 10);
    EXPECT_EQ(start.title, QStringLiteral("Morvek Zefra"));
    EXPECT_EQ(start.text,
              QString::fromUtf8("Para más opciones haga clic con el\nbotón derecho del mouse..."));
    EXPECT_EQ(start.icon, BalloonIcon::Information);
    EXPECT_EQ(start.timeoutMs, 10000);

    const auto longOnes = mz::balloonRequest(QString(100, 'T'), QString(300, 'x'), 0, 30);
    EXPECT_EQ(longOnes.title, QString(63, 'T'));
    EXPECT_EQ(longOnes.text, QString(255, 'x'));
    EXPECT_EQ(longOnes.timeoutMs, 30000);

    // Every classic line break becomes one line feed; the cut counts the
    // caller's characters.
    EXPECT_EQ(mz::balloonRequest("", "a\r\nb\rc\nd", 0, 1).text, QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(mz::balloonRequest("", QString(254, 'x') + "\r\nz", 0, 1).text, QString(254, 'x') + "\n");

    const struct {
        int kind;
        BalloonIcon icon;
    } kinds[] = {{0, BalloonIcon::None},     {1, BalloonIcon::Information}, {2, BalloonIcon::Warning},
                 {3, BalloonIcon::Critical}, {4, BalloonIcon::OwnIcon},     {5, BalloonIcon::None},
                 {255, BalloonIcon::None}};
    for (const auto& k : kinds)
        EXPECT_EQ(mz::balloonRequest("t", "x", static_cast<std::uint8_t>(k.kind), 5).icon, k.icon) << k.kind;

    // A balloon still goes away on its own when the caller asks for no time.
    EXPECT_EQ(mz::balloonRequest("t", "x", 1, 0).timeoutMs, 10000);
    EXPECT_EQ(mz::balloonRequest("t", "x", 1, 255).timeoutMs, 255000);
}

TEST(TrayIconCycling, IndexIsClampedToTheList) {
    const struct {
        int index, count, clamped;
    } cases[] = {{0, 3, 0},  {2, 3, 2}, {3, 3, 2},  {7, 3, 2},
                 {-1, 3, 0}, {5, 0, 0}, {-4, 0, 0}, {INT_MAX, 1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(mz::clampIconIndex(c.index, c.count), c.clamped) << c.index << " of " << c.count;
}

TEST(TrayIconCycling, StepsRoundTheListAndNeverWithoutInterval) {
    std::vector<int> seen;
    int i = 0;
    for (int step = 0; step < 4; ++step)
        seen.push_back(i = mz::nextCycleIndex(i, 3));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(mz::nextCycleIndex(0, 1), 0);
    EXPECT_EQ(mz::nextCycleIndex(0, 0), 0);
    EXPECT_EQ(mz::nextCycleIndex(9, 3), 0); // from the clamped last icon

    EXPECT_EQ(mz::cycleTimerInterval(true, 250, 3), 250);
    EXPECT_EQ(mz::cycleTimerInterval(false, 250, 3), 0);
    EXPECT_EQ(mz::cycleTimerInterval(true, 0, 3), 0);
    EXPECT_EQ(mz::cycleTimerInterval(true, 250, 0), 0);
    EXPECT_EQ(mz::cycleTimerInterval(true, 0xFFFFFFFFu, 3), INT_MAX);
}

// Records what the click decisions set off, in order.
class RecordingHost : public mz::TrayIconHost {
public:
    bool dblHandler = false;
    std::string log;

    bool dblClickHandled() const override { return dblHandler; }
    int doubleClickTime() const override { return 400; }
    void startClickTimer(int ms) override { add("timer" + std::to_string(ms)); }
    void stopClickTimer() override { add("stop"); }
    void popupMenuAtCursor() override { add("menu"); }
    void runDefaultMenuItem() override { add("default"); }
    void mouseDown(Qt::MouseButton b) override {
        add(b == Qt::LeftButton ? "downL" : b == Qt::RightButton ? "downR" : "downM");
    }
    void click() override { add("click"); }
    void dblClick() override { add("dblclick"); }
    void balloonClick() override { add("balloon"); }

private:
    void add(const std::string& what) { log += (log.empty() ? "" : " ") + what; }
};

// Inputs: L left click, R right click, M middle click, D double click,
// B balloon click, T the click timer running out, on/off Enabled.
void feed(mz::TrayIconLogic& logic, const std::string& inputs) {
    size_t at = 0;
    while (at < inputs.size()) {
        size_t end = inputs.find(' ', at);
        if (end == std::string::npos)
            end = inputs.size();
        const std::string in = inputs.substr(at, end - at);
        at = end + 1;
        if (in == "L")
            logic.leftClick();
        else if (in == "R")
            logic.rightClick();
        else if (in == "M")
            logic.middleClick();
        else if (in == "D")
            logic.doubleClick();
        else if (in == "B")
            logic.balloonClicked();
        else if (in == "T")
            logic.clickTimerElapsed();
        else if (in == "on" || in == "off")
            logic.setEnabled(in == "on");
        else
            ADD_FAILURE() << "unknown input " << in;
    }
}

TEST(TrayIconClicks, DecisionsFollowTheInputs) {
    const struct Case {
        const char* name;
        bool dblHandler;
        bool leftPopup;
        const char* inputs;
        const char* log;
    } cases[] = {
        {"click at once without a double-click handler", false, false, "L", "downL click"},
        {"click held for the double-click time", true, false, "L", "timer400 downL"},
        {"held click comes when the time runs out", true, false, "L T", "timer400 downL stop click"},
        {"two slow clicks are two clicks", true, false, "L T L T",
         "timer400 downL stop click timer400 downL stop click"},
        {"double click swallows the click, runs the default item", true, false, "L D T",
         "timer400 downL dblclick default stop"},
        {"double click without handler after an immediate click", false, false, "L D",
         "downL click dblclick default"},
        {"left popup opens the menu on the left click", false, true, "L", "downL menu click"},
        {"left popup keeps the default item out of a double click", true, true, "L D T",
         "timer400 downL menu dblclick stop"},
        {"right click opens the menu", false, false, "R", "downR menu"},
        {"middle click only reports the button", false, false, "M", "downM"},
        {"balloon click", false, false, "B", "balloon"},
        {"a stray timer tick clicks nothing", true, false, "T", "stop"},
        {"disabled: nothing reacts", true, true, "off L R M D B", ""},
        {"disabled while a click is held: it never comes", true, false, "L off T", "timer400 downL stop"},
        {"enabled again: reacts again", false, true, "off R on R", "downR menu"},
    };
    for (const auto& c : cases) {
        RecordingHost host;
        host.dblHandler = c.dblHandler;
        mz::TrayIconLogic logic(host);
        logic.setLeftPopup(c.leftPopup);
        feed(logic, c.inputs);
        EXPECT_EQ(host.log, c.log) << c.name;
        EXPECT_FALSE(logic.clickTimerRunning() && std::string(c.inputs).back() == 'T') << c.name;
    }
}

} // namespace

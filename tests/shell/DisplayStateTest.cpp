#include "shell/DisplayState.h"
#include "tests/shell/ShellFixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using mz::TDisplayMode;
using mz::TDisplayState;
using Calls = std::vector<std::string>;

// Records what the state asks of the timer; takes the calls made so far.
class FakeTimer : public mz::TDisplayTimer {
public:
    void Start(int intervalMs) override {
        EXPECT_FALSE(running) << "a running timer is started again";
        running = true;
        calls.push_back("start " + std::to_string(intervalMs));
    }
    void Stop() override {
        running = false;
        calls.push_back("stop");
    }
    Calls take() { return std::exchange(calls, {}); }

    bool running = false;
    Calls calls;
};

class DisplayState : public ::testing::Test {
protected:
    void SetUp() override {
        state.SetInterval(900000);
        state.Started();
        ASSERT_EQ(timer.take(), Calls{"start 900000"});
    }
    // The question on hiding the options window, answered with `answer`.
    std::function<bool()> answer(bool yes) {
        return [this, yes] {
            ++questions;
            return yes;
        };
    }

    FakeTimer timer;
    TDisplayState state{timer};
    int questions = 0;
};

TEST_F(DisplayState, BlockAndUnblockAlternateCaptionsAndStopAndStartTheTimer) {
    EXPECT_EQ(state.Mode(), TDisplayMode::Displaying);
    EXPECT_EQ(state.BlockCaption(), "&Bloquear desplegado");
    EXPECT_EQ(state.BlockHint(), "Bloquea el desplegado de Zefras");
    for (int round = 0; round < 2; ++round) {
        state.ToggleBlock();
        EXPECT_TRUE(state.Blocked());
        EXPECT_EQ(state.Mode(), TDisplayMode::Blocked);
        EXPECT_EQ(state.BlockCaption(), "&Reiniciar desplegado");
        EXPECT_EQ(state.BlockHint(), "Inicia nuevamente el desplegado de Zefras");
        EXPECT_EQ(timer.take(), Calls{"stop"});
        EXPECT_FALSE(state.TickAllowed());

        state.ToggleBlock();
        EXPECT_FALSE(state.Blocked());
        EXPECT_EQ(state.BlockCaption(), "&Bloquear desplegado");
        EXPECT_EQ(state.BlockHint(), "Bloquea el desplegado de Zefras");
        // Passages resume one full interval after unblocking.
        EXPECT_EQ(timer.take(), Calls{"start 900000"});
        EXPECT_TRUE(state.TickAllowed());
    }
}

TEST_F(DisplayState, OpeningAndClosingTheOptionsRestartsAFullInterval) {
    state.OptionsShown();
    EXPECT_EQ(state.Mode(), TDisplayMode::OptionsOpen);
    EXPECT_EQ(timer.take(), Calls{"stop"});
    // "Aceptar" applies the settings while the window is still open.
    state.SetInterval(600000);
    EXPECT_EQ(timer.take(), Calls{});
    state.OptionsHidden(answer(true));
    EXPECT_EQ(questions, 0); // not blocked: nothing to ask
    EXPECT_EQ(timer.take(), Calls{"start 600000"});
    EXPECT_EQ(state.Mode(), TDisplayMode::Displaying);
}

TEST_F(DisplayState, MinimisingTheOptionsResumesTheDisplay) {
    state.OptionsShown();
    timer.take();
    state.OptionsHidden(nullptr);
    EXPECT_EQ(timer.take(), Calls{"start 900000"});
}

TEST_F(DisplayState, BlockingWhileTheOptionsAreOpenKeepsTheTimerStopped) {
    state.OptionsShown();
    timer.take();
    state.ToggleBlock();
    EXPECT_EQ(state.BlockCaption(), "&Reiniciar desplegado");
    state.ToggleBlock(); // unblock while open: still no passage
    EXPECT_EQ(state.BlockCaption(), "&Bloquear desplegado");
    state.ToggleBlock();
    EXPECT_EQ(timer.take(), Calls{});
    EXPECT_EQ(state.Mode(), TDisplayMode::OptionsOpen);
    EXPECT_TRUE(state.Blocked());
}

TEST_F(DisplayState, HidingTheOptionsWhileBlockedAsksWhetherToUnblock) {
    state.ToggleBlock();
    state.OptionsShown();
    timer.take();

    state.OptionsHidden(answer(false));
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(state.Blocked());
    EXPECT_EQ(state.Mode(), TDisplayMode::Blocked);
    EXPECT_EQ(timer.take(), Calls{});

    state.OptionsShown();
    state.OptionsHidden(answer(true));
    EXPECT_EQ(questions, 2);
    EXPECT_FALSE(state.Blocked());
    EXPECT_EQ(state.BlockCaption(), "&Bloquear desplegado");
    EXPECT_EQ(timer.take(), Calls{"start 900000"});

    EXPECT_EQ(TDisplayState::kQuestionCaption, "Confirme...");
    EXPECT_EQ(TDisplayState::kUnblockQuestion,
              mz::test::cp("El desplegado de Zefras esta bloqueado. \r¿ Desea activarlo ?  "));
}

TEST_F(DisplayState, UnblockingWhileOpenThenHidingStartsWithoutAQuestion) {
    state.ToggleBlock();
    state.OptionsShown();
    state.ToggleBlock();
    timer.take();
    state.OptionsHidden(answer(false));
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(timer.take(), Calls{"start 900000"});
}

TEST_F(DisplayState, AnIntervalOfZeroNeverStartsTheTimer) {
    state.SetInterval(0);
    EXPECT_EQ(timer.take(), Calls{"stop"});
    EXPECT_TRUE(state.TimerEnabled());
    EXPECT_FALSE(state.TimerRunning());
    state.ToggleBlock();
    state.ToggleBlock();
    state.OptionsShown();
    state.OptionsHidden(nullptr);
    EXPECT_EQ(timer.take(), Calls{});
    EXPECT_FALSE(state.TickAllowed());
    // A later interval starts it.
    state.SetInterval(60000);
    EXPECT_EQ(timer.take(), Calls{"start 60000"});
}

TEST_F(DisplayState, ARunningTimerIsRestartedOnlyByANewInterval) {
    state.SetInterval(900000);
    EXPECT_EQ(timer.take(), Calls{});
    state.Started();
    EXPECT_EQ(timer.take(), Calls{});
    state.SetInterval(1000);
    EXPECT_EQ(timer.take(), (Calls{"stop", "start 1000"}));
    state.SetInterval(-5);
    EXPECT_EQ(state.IntervalMs(), 0);
    EXPECT_EQ(timer.take(), Calls{"stop"});
}

TEST_F(DisplayState, ExitStopsTheTimerForGood) {
    state.Terminated();
    EXPECT_EQ(state.Mode(), TDisplayMode::Terminated);
    EXPECT_EQ(timer.take(), Calls{"stop"});
    state.ToggleBlock();
    state.OptionsShown();
    state.OptionsHidden(nullptr);
    state.SetInterval(5000);
    state.Started();
    EXPECT_EQ(timer.take(), Calls{});
    EXPECT_FALSE(state.TickAllowed());
}

TEST(DisplayStateStart, TheDesignIntervalHoldsUntilSettingsAreApplied) {
    FakeTimer timer;
    TDisplayState state(timer);
    EXPECT_FALSE(state.Blocked());
    EXPECT_EQ(timer.take(), Calls{});
    // Settings that cannot be loaded leave the design interval.
    state.Started();
    EXPECT_EQ(timer.take(), Calls{"start 20000"});
}

} // namespace

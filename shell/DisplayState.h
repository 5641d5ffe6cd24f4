// TDisplayState: when the display timer runs, and the block command of the
// tray menu.
//
// The timer runs exactly while the options window is hidden, the display is
// not blocked and the program has not terminated. The form reports each
// event (program start, block command, options window shown or hidden, new
// interval, exit) and the state drives the timer through TDisplayTimer:
// it starts a stopped timer, which then counts a full interval, stops a
// running one, and never restarts a timer that already runs. An interval of 0
// means no passage is ever shown: the timer is then never started (a platform
// timer with interval 0 would fire continuously). A new interval while the
// timer runs starts it over with that interval.
//
// The blocked state is the check mark of the block command; it is kept only
// here, off at every start. Blocking while the options window is open
// toggles the check mark and the caption, and the timer stays stopped until
// the window hides; hiding it while blocked asks whether to unblock.
//
// Captions, hints and the question are Windows-1252 text. The state does not
// own the timer; the timer must outlive it. One thread (the user-interface
// thread).
#pragma once

#include <functional>
#include <string_view>

namespace mz {

// The platform timer as the state drives it.
class TDisplayTimer {
public:
    virtual ~TDisplayTimer() = default;
    // Starts the stopped timer: the first tick comes one full interval later.
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
};

enum class TDisplayMode { Displaying, Blocked, OptionsOpen, Terminated };

class TDisplayState {
public:
    // The interval the timer has before any settings are applied.
    static constexpr int kDesignIntervalMs = 20000;

    static constexpr std::string_view kBlockCaption = "&Bloquear desplegado";
    static constexpr std::string_view kBlockHint = "Bloquea el desplegado de Zefras";
    static constexpr std::string_view kRestartCaption = "&Reiniciar desplegado";
    static constexpr std::string_view kRestartHint = "Inicia nuevamente el desplegado de Zefras";
    // The question on hiding the options window while blocked; a yes/no box
    // with a question icon.
    static constexpr std::string_view kQuestionCaption = "Confirme...";
    static constexpr std::string_view kUnblockQuestion = "El desplegado de Zefras esta bloqueado. \r"
                                                         "\xBF Desea activarlo ?  ";

    explicit TDisplayState(TDisplayTimer& timer);
    TDisplayState(const TDisplayState&) = delete;
    TDisplayState& operator=(const TDisplayState&) = delete;

    // The program runs: the timer starts (when the interval is not 0).
    void Started();
    // The settings give a new interval (seconds × 1000); negative counts as 0.
    void SetInterval(int intervalMs);
    // The block command of the tray menu: inverts the check mark.
    void ToggleBlock();
    // The options window is shown: the timer stops.
    void OptionsShown();
    // The options window hides ("Aceptar" or minimising). When the display
    // is blocked `confirmUnblock` is asked (kUnblockQuestion) and a yes
    // unblocks; then the timer starts unless the display is still blocked.
    void OptionsHidden(const std::function<bool()>& confirmUnblock);
    // Exit: the timer stops for good; later events change nothing.
    void Terminated();

    TDisplayMode Mode() const;
    bool Blocked() const { return blocked_; }
    bool OptionsOpen() const { return optionsOpen_; }
    int IntervalMs() const { return intervalMs_; }
    // Whether the timer should run (its Enabled), and whether it is started.
    bool TimerEnabled() const { return started_ && !blocked_ && !optionsOpen_ && !terminated_; }
    bool TimerRunning() const { return running_; }
    // A tick that arrives while the timer should not run is ignored.
    bool TickAllowed() const { return running_; }

    // The block command's caption and hint for the current check mark.
    std::string_view BlockCaption() const { return blocked_ ? kRestartCaption : kBlockCaption; }
    std::string_view BlockHint() const { return blocked_ ? kRestartHint : kBlockHint; }

private:
    // Brings the timer in line with the state.
    void Update();

    TDisplayTimer& timer_;
    int intervalMs_ = kDesignIntervalMs;
    bool started_ = false;
    bool blocked_ = false;
    bool optionsOpen_ = false;
    bool terminated_ = false;
    bool running_ = false;
};

} // namespace mz

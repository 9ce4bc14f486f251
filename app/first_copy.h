#pragma once
// One Corvane at a time in a user's session. A second copy would start the
// entries marked Auto Start again, and the save of one would write over the
// other's edits: a second start brings up the options window of the copy that
// runs instead, and ends.

namespace corvane {

class FirstCopyApi {
public:
    virtual ~FirstCopyApi() = default;
    // Claims the program's name in the session, for as long as this process
    // runs. False when a copy that runs holds it.
    virtual bool ClaimName() = 0;
    // Asks the copy that runs, at its tray window, to show its options
    // window in its normal state, in front. False while that copy has no
    // tray window.
    virtual bool ShowRunningCopy() = 0;
    virtual void Wait(unsigned milliseconds) = 0;
};

// True for the first copy, which runs. A second one has asked the first to
// show its options window, and ends with exit code 0 before it starts an
// entry or adds an icon. The first copy may be starting still: its window is
// looked for over about 5 s, then the second copy ends anyway.
bool RunAsFirstCopy(FirstCopyApi& api);

} // namespace corvane

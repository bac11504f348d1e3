#pragma once

namespace veltrano {

// What the user sees while files are probed: the busy pointer over the main window and the
// non-modal wait window ("Reading files, please wait..."). A window class implements it.
class ProbeFeedback {
public:
    virtual ~ProbeFeedback() = default;
    virtual void ShowBusyPointer() = 0;
    virtual void RestoreNormalPointer() = 0;
    virtual void ShowWaitWindow() = 0;
    virtual void CloseWaitWindow() = 0;
    // Lets the user interface repaint between two files.
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace veltrano

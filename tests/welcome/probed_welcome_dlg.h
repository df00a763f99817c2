#pragma once

#include "welcome/welcome_dlg.h"

#include <cstddef>
#include <functional>
#include <vector>

class CWelcomeCtrl;

// A welcome window whose test steps run inside its modal loop: step k runs when the loop retrieves
// the k-th posted step message, so messages posted by step k are handled before step k + 1 runs.
// A step that does not end the window lets the next step run; after the last one the window stays
// open until something closes it, or until a generous time-out ends it with kTimedOut. A fatal
// failure in a step ends it with kStepFailed.
class CProbedWelcomeDlg : public CWelcomeDlg
{
public:
    using Step = std::function<void(CProbedWelcomeDlg&)>;
    static constexpr INT_PTR kTimedOut = 0x7E57;
    static constexpr INT_PTR kStepFailed = 0x7E58;

    CProbedWelcomeDlg() = default;
    void AddStep(Step step) { m_steps.push_back(std::move(step)); }

    // Test seams on the protected array of control objects.
    CWelcomeCtrl* Ctrl(size_t row) const { return m_pCtrls ? m_pCtrls[row] : nullptr; }
    void ReplaceCtrl(size_t row, CWelcomeCtrl* pCtrl);
    // As if bitmap 130 could not be loaded.
    void DropBackground() { m_bmBackground.DeleteObject(); }
    int BackgroundWidth() const { return m_cxBackground; }
    int BackgroundHeight() const { return m_cyBackground; }
    HICON Icon() const { return m_hIcon; }

    // Set by OnInitDialog: its result, whether a quit request was pending when it returned, the
    // window rectangle and visibility then, and which rows had a window then.
    BOOL m_bInitResult = TRUE;
    bool m_bQuitPendingAfterInit = false;
    RECT m_rcAfterInit{};
    bool m_bVisibleAfterInit = false;
    std::vector<bool> m_rowHadWindowAfterInit;
    size_t m_nStepsRun = 0;

protected:
    BOOL OnInitDialog() override;
    LRESULT OnRunStep(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void PostStep(size_t index);
    std::vector<Step> m_steps;
};


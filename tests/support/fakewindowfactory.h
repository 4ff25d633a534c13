#pragma once

#include "fakes.h"
#include "faketimer.h"

#include "settings/optionsdialog.h"
#include "app/windowfactory.h"

#include <memory>
#include <vector>

namespace kirvano::test {

// The options dialog's controls as fakes, in their designed initial states.
struct FakeOptionsControls
{
    FakeWindow frmoption{false, false};
    FakeVisual Framelog{true};
    FakeTextBox Textlog{QStringLiteral("Insert password")};
    FakeLabel Lbkopass{QStringLiteral("Password errata !"), false};
    FakeButton Cmdlog{QStringLiteral("LogIn")};
    FakeListBox lstopt;
    FakeVisual Frametmp{false};
    FakeTextBox TextMin_A{QStringLiteral("0")};
    FakeTextBox TextMin_B{QStringLiteral("0")};
    FakeButton Cmdimp{QStringLiteral("Imposta")};
    FakeLabel Lbokmin{QStringLiteral("OK"), false};
    FakeVisual Framecnt{false};
    FakeLabel Lbcnt_a{QStringLiteral("0")};
    FakeLabel Lbcnt_b{QStringLiteral("0")};
    FakeButton Cmdrstcnt{QStringLiteral("Reset")};
    FakeVisual Framepass{false};
    FakeTextBox Textnewpass{QStringLiteral("New-Password")};
    FakeButton Cmdpass{QStringLiteral("Cambia Password")};
    FakeLabel lbokpass{QStringLiteral("Password salvata consuccesso"), false};

    FakeOptionsControls()
    {
        Cmdlog.setDefault(true);
        Cmdpass.setEnabled(false);
    }

    OptionsControls refs()
    {
        return {frmoption, Framelog,  Textlog,   Lbkopass, Cmdlog,  lstopt,    Frametmp,
                TextMin_A, TextMin_B, Cmdimp,    Lbokmin,  Framecnt, Lbcnt_a,  Lbcnt_b,
                Cmdrstcnt, Framepass, Textnewpass, Cmdpass, lbokpass};
    }
};

// Makes fake secondary windows; keeps every one it made alive until it is
// destroyed, so a test can look at a window after it has closed.
class FakeWindowFactory : public WindowFactory
{
public:
    explicit FakeWindowFactory(VirtualClock &clock) : m_clock(clock) {}

    IWindow *createSplash(MainController &main) override;
    OptionsDialog *createOptions(OptionsHost &host) override;
    IWindow *createAbout(MainController &main) override;

    FakeWindow *splash = nullptr;
    FakeTimer *splashTimer = nullptr;
    FakeOptionsControls *options = nullptr; // the latest options dialog's controls
    OptionsDialog *optionsDialog = nullptr;
    FakeWindow *about = nullptr; // the latest about window
    int splashesMade = 0;
    int optionsMade = 0;
    int aboutsMade = 0;

private:
    struct OptionsBundle
    {
        std::unique_ptr<FakeOptionsControls> controls;
        std::unique_ptr<OptionsDialog> dialog;
    };

    VirtualClock &m_clock;
    std::vector<std::unique_ptr<FakeWindow>> m_windows;
    std::vector<std::unique_ptr<FakeTimer>> m_timers;
    std::vector<OptionsBundle> m_options;
};

} // namespace kirvano::test

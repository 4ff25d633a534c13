#pragma once

#include "app/optionshost.h"

#include "platform/button.h"
#include "platform/control.h"
#include "platform/listbox.h"
#include "platform/textbox.h"
#include "platform/window.h"

namespace kirvano {

// The controls of the options dialog that its behaviour touches.
struct OptionsControls
{
    IWindow &frmoption;

    IVisual &Framelog;
    ITextBox &Textlog;
    ILabel &Lbkopass;
    IButton &Cmdlog;

    IListBox &lstopt;

    IVisual &Frametmp;
    ITextBox &TextMin_A;
    ITextBox &TextMin_B;
    IButton &Cmdimp;
    ILabel &Lbokmin;

    IVisual &Framecnt;
    ILabel &Lbcnt_a;
    ILabel &Lbcnt_b;
    IButton &Cmdrstcnt;

    IVisual &Framepass;
    ITextBox &Textnewpass;
    IButton &Cmdpass;
    ILabel &lbokpass;
};

// The options dialog's behaviour: login, the "Tempo", "Contatore" and
// "Password" pages, each command saved at once. It keeps no data of its
// own: its controls are its state, filled from the main window's settings.
class OptionsDialog
{
public:
    OptionsDialog(const OptionsControls &controls, OptionsHost &host);
    OptionsDialog(const OptionsDialog &) = delete;
    OptionsDialog &operator=(const OptionsDialog &) = delete;

    // The main window's "&Option" command: fill, show, enable, disable the main window.
    void open();

    IWindow &window() { return m_c.frmoption; }
    const OptionsControls &controls() const { return m_c; }

    void Textlog_Click();
    void Textlog_Change();
    void Cmdlog_Click();
    void lstopt_Click();
    void Cmdimp_Click();
    void Cmdrstcnt_Click();
    void Textnewpass_Click();
    void Textnewpass_Change();
    void Cmdpass_Click();
    // The close request: never refused, saves nothing.
    void Form_QueryUnload();

private:
    OptionsControls m_c;
    OptionsHost &m_host;
};

} // namespace kirvano

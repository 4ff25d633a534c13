#include "optionsdialog.h"

#include "optionsrules.h"

namespace kirvano {

namespace {

constexpr int LoginLimit = 4;
constexpr int MinutesLimit = 2;

} // namespace

OptionsDialog::OptionsDialog(const OptionsControls &controls, OptionsHost &host) : m_c(controls), m_host(host)
{
    m_c.Textlog.setMaxLength(LoginLimit);
    m_c.TextMin_A.setMaxLength(MinutesLimit);
    m_c.TextMin_B.setMaxLength(MinutesLimit);
    m_c.Textnewpass.setMaxLength(LoginLimit);

    m_c.Textlog.onClick([this] { Textlog_Click(); });
    m_c.Textlog.onChange([this] { Textlog_Change(); });
    m_c.Cmdlog.onClick([this] { Cmdlog_Click(); });
    m_c.lstopt.onSelect([this] { lstopt_Click(); });
    m_c.Cmdimp.onClick([this] { Cmdimp_Click(); });
    m_c.Cmdrstcnt.onClick([this] { Cmdrstcnt_Click(); });
    m_c.Textnewpass.onClick([this] { Textnewpass_Click(); });
    m_c.Textnewpass.onChange([this] { Textnewpass_Change(); });
    m_c.Cmdpass.onClick([this] { Cmdpass_Click(); });
    m_c.frmoption.onCloseRequest([this] {
        Form_QueryUnload();
        return true;
    });
}

void OptionsDialog::open()
{
    const Settings &s = m_host.settings();
    m_c.TextMin_A.setText(s.strMin_a);
    m_c.TextMin_B.setText(s.strMin_b);
    m_c.Lbcnt_a.setText(s.strCnt_a);
    m_c.Lbcnt_b.setText(s.StrCnt_b);
    m_c.frmoption.show();
    m_c.frmoption.setEnabled(true);
    m_host.setMainEnabled(false);
    if (!needsLogin(s)) {
        m_c.Framelog.setVisible(false);
        m_c.Frametmp.setVisible(true);
    }
}

void OptionsDialog::Textlog_Click()
{
    m_c.Textlog.setText(QString());
    m_c.Lbkopass.setVisible(false);
}

void OptionsDialog::Textlog_Change()
{
    m_c.Lbkopass.setVisible(false);
}

void OptionsDialog::Cmdlog_Click()
{
    if (passwordMatches(m_host.settings(), m_c.Textlog.text())) {
        m_c.Framelog.setVisible(false);
        m_c.lstopt.setCurrentIndex(0);
    } else {
        m_c.Lbkopass.setVisible(true);
    }
}

void OptionsDialog::lstopt_Click()
{
    switch (m_c.lstopt.currentIndex()) {
    case 0:
        m_c.Frametmp.setVisible(true);
        m_c.Framecnt.setVisible(false);
        m_c.Framepass.setVisible(false);
        m_c.Cmdimp.setDefault(true);
        m_c.Lbokmin.setVisible(false);
        break;
    case 1:
        m_c.Framecnt.setVisible(true);
        m_c.Frametmp.setVisible(false);
        m_c.Framepass.setVisible(false);
        break;
    case 2:
        m_c.Framepass.setVisible(true);
        m_c.Frametmp.setVisible(false);
        m_c.Framecnt.setVisible(false);
        m_c.lbokpass.setVisible(false);
        // The order matters: putting the prompt in is a change, which enables
        // the button; the last step disables it again.
        m_c.Textnewpass.setMaxLength(0);
        m_c.Textnewpass.setText(QStringLiteral("New-Password"));
        m_c.Textnewpass.setMaxLength(LoginLimit);
        m_c.Cmdpass.setEnabled(false);
        break;
    default:
        break;
    }
}

void OptionsDialog::Cmdimp_Click()
{
    for (ITextBox *box : {&m_c.TextMin_A, &m_c.TextMin_B})
        box->setText(minutesFromText(box->text()));

    Settings &s = m_host.settings();
    s.strMin_a = minutesFromText(m_c.TextMin_A.text());
    s.strMin_b = minutesFromText(m_c.TextMin_B.text());
    // The minutes hold in memory either way; a failed save has been
    // reported, and must not be confirmed as well.
    if (m_host.SaveSetting())
        m_c.Lbokmin.setVisible(true);
}

void OptionsDialog::Cmdrstcnt_Click()
{
    m_c.Lbcnt_a.setText(QStringLiteral("0"));
    m_c.Lbcnt_b.setText(QStringLiteral("0"));
    resetCounters(m_host.settings());
    m_host.SaveSetting();
}

void OptionsDialog::Textnewpass_Click()
{
    m_c.Textnewpass.setText(QString());
}

void OptionsDialog::Textnewpass_Change()
{
    m_c.Cmdpass.setEnabled(true);
    m_c.Cmdpass.setDefault(true);
}

void OptionsDialog::Cmdpass_Click()
{
    if (!changePassword(m_host.settings(), m_c.Textnewpass.text())) {
        m_host.messageBox().show(UnstorablePasswordText, mb::OkOnly | mb::Exclamation);
        return;
    }
    if (m_host.SaveSetting())
        m_c.lbokpass.setVisible(true);
}

void OptionsDialog::Form_QueryUnload()
{
    m_host.setMainEnabled(true);
    m_host.optionsClosed();
}

} // namespace kirvano

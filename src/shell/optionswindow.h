#pragma once

#include "settings/optionsdialog.h"

#include <QDialog>

#include <memory>

namespace kirvano {

// frmoption: the options dialog's widgets, driven by OptionsDialog.
class OptionsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit OptionsWindow(OptionsHost &host);
    ~OptionsWindow() override;

    OptionsDialog &dialog() { return *m_dialog; }

private:
    std::unique_ptr<OptionsDialog> m_dialog;
};

} // namespace kirvano

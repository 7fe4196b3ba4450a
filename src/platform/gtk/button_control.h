// 按钮: a push button with a caption whose "&" marks its mnemonic.
#pragma once

#include "platform/gtk/control.h"
#include "platform/gtk/mnemonic_caption.h"

namespace kameng::gtk {

class ButtonControl : public Control {
public:
    ButtonControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    Value property(int number) const override;
    void setProperty(int number, const Value& value) override;

    // The mnemonic character in lower case, 0 when the caption has none.
    char32_t mnemonic() const { return caption_.mnemonic; }
    // Clicks the button as its mnemonic does: only while shown and enabled.
    void clickByMnemonic();

private:
    void setCaption(const std::string& caption);

    std::string rawCaption_;
    MnemonicCaption caption_;
    GtkWidget* label_ = nullptr;
};

}  // namespace kameng::gtk

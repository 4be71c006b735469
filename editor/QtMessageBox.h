#pragma once
#include "platform/MessageBox.h"

// The editor's message box: a modal box with an OK button over the active window, and a line on standard
// error. The editor's own messages and the readers' plain ones carry the caption "mfcapp"; only the JPEG
// library's messages keep their own captions.
class QtMessageBox : public MessageBox {
  public:
    void Show(std::string_view caption, std::string_view text) override;
};

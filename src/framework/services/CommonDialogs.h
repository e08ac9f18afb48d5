#pragma once

#include "framework/style/Color.h"
#include "framework/style/FontValue.h"

#include <QString>

namespace vt {

// What an open-file dialog starts from; `fileName` holds the chosen name after a confirmed choice.
struct OpenFileRequest {
    QString filter; // "description|patterns", the patterns separated by ";"
    QString fileName;
    QString initialFolder;
};

// The modal common dialogs. Each returns whether the user confirmed; a cancelled dialog leaves its value.
class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;
    virtual bool chooseFont(FontValue& font) = 0;
    virtual bool chooseColor(Color& color) = 0;
    virtual bool openFile(OpenFileRequest& request) = 0;
};

} // namespace vt

#pragma once

#include "framework/services/CommonDialogs.h"

namespace vt {

class QtCommonDialogs : public CommonDialogs {
public:
    bool chooseFont(FontValue& font) override;
    bool chooseColor(Color& color) override;
    bool openFile(OpenFileRequest& request) override;
};

// "description|patterns|description|patterns", patterns separated by ";", as Qt's name filters. "*.*"
// means every file, also one without an extension.
QStringList toQtNameFilters(const QString& filter);

} // namespace vt

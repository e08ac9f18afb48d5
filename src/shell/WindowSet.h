#pragma once

#include "framework/windows/Form.h"

#include <memory>
#include <vector>

// The program's eight windows, made at start-up in a fixed order (each creation handler may use only the
// windows made before it) and torn down in the reverse order at the end.
class WindowSet {
public:
    explicit WindowSet(vt::Services& services);
    ~WindowSet();

    // Gives the application the icon from "horloge.ico"; fails when the file can't be read.
    void loadApplicationIcon();
    void showMainWindow();
    void tearDown();

private:
    vt::Services& services;
    std::vector<std::unique_ptr<vt::Form>> forms;
};

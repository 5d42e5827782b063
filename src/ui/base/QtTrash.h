#pragma once
// The desktop trash (freedesktop.org) through Qt, for the files a recombine gives up.

#include "core/base/Trash.h"

namespace kt::ui {

class QtTrash : public kt::Trash {
public:
    bool MoveToTrash(const std::filesystem::path& file, kt::FileError& error) override;
};

}  // namespace kt::ui

#pragma once
#include <QString>
#include <string>

namespace quelva {

// The folder the save dialog opens in: the program's folder when the user may write there, as when the
// survey lies in a folder of their own; otherwise, as once installed, their documents folder (their home
// when they have none).
QString firstSaveFolder(const std::string& programFolder);

}  // namespace quelva

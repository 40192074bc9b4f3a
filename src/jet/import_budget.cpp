#include "import_budget.h"

#include <cmath>


namespace jet {

ImportBudget importBudget(std::uint64_t fileBytes) {
    const std::uint64_t allowance = kSanitizedBuild ? kImportSanitizerAllowance : 1;
    ImportBudget b;
    b.fileBytes = fileBytes;
    b.rows = fileBytes / kImportMinRowBytes;
    b.outputBytes = kImportOutputFloorBytes + kImportOutputPerFileByte * fileBytes;
    b.memoryBytes = (kImportMemoryFloorBytes + kImportMemoryPerFileByte * fileBytes) * allowance;
    const double mebibytes = static_cast<double>(fileBytes) / (1 << 20);
    b.seconds = static_cast<int>(std::ceil((kImportTimeFloorSeconds + kImportSecondsPerMebibyte * mebibytes) * allowance));
    return b;
}

}  // namespace jet

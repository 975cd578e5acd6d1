#include "pitches.h"

namespace talir::calculators {

std::optional<double> facePitch(QStringView window) {
    if (window == u"PTD5" || window == u"PTD6" || window == u"PTD6set")
        return kLouvrePitch;
    if (window == u"PTL" || window == u"PTLW" || window == u"PTM" || window == u"PTMW")
        return kBladePitch;
    return std::nullopt;
}

} // namespace talir::calculators

#include "limits.h"

namespace talir::core {

QString beyondLimitsMessage() {
    return QStringLiteral(
        "НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ. Размер A или B>100000 мм, либо Q>1000000 м3/ч");
}

} // namespace talir::core

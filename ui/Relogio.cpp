#include "Relogio.h"

#include <QDateTime>

std::uint32_t RelogioUtc() {
    return static_cast<std::uint32_t>(
        QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

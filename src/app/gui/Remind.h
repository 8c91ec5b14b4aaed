#pragma once
// "vitalune --remind": one desktop notification naming who of the watched persons has a
// critical day today or tomorrow, then the end of the run. Meant for a timer or a log-in
// entry: a desktop that cannot show notifications is no error.

#include <QDBusConnection>
#include <cstdint>
#include <optional>

#include "app/gui/ExportChart.h"

namespace vitalune::app {

struct RemindRequest {
    std::optional<std::int32_t> date;  // none: today
};

// 0 when shown, nothing to tell, or no one to tell it to (said on stderr); 1 when the
// database or the watched persons cannot be read.
int RunRemind(const RemindRequest& request, const ExportContext& context,
              const QDBusConnection& bus);

}  // namespace vitalune::app

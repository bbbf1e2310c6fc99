#pragma once

namespace quillorbitex {

// Where the stroke under the secondary button is in its life, as the tap reports it.
enum class GestureMonitorSessionPhase { began, changed, ended, cancelled };

}  // namespace quillorbitex

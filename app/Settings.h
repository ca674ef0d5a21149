#pragma once

#include "app/SettingsLine.h"

class TEdit;

inline constexpr const char* kSettingsFileName = "kq.cfg";

// Reads kq.cfg in the working directory into the field, the last matching line winning; creates
// the file with its default line when it is missing. Raises EInOutError.
void ReadSettingsFile(TEdit& field);
// Replaces kq.cfg with the one line of the field's text. Raises EInOutError.
void WriteSettingsFile(const TEdit& field);

#pragma once

#include <string>

#include "print/dokument.h"
#include "workspace/sitzung.h"

namespace brelvanostik::druck {

/// One calculation of the displayed month: every income and deduction split into the part
/// from the current pay, the part from one-time payments and their total, followed by the
/// values the calculation used for one-time payments and the contribution ceilings.
Dokument berichtEinzeln(const Sitzung& sitzung, Seite seite, const std::string& adresse);

}  // namespace brelvanostik::druck

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brelvanostik {

/// A help topic of a row: the caption of the topic link and the page it opens.
struct Hilfethema {
    std::string_view titel;
    std::string_view seite;  ///< page name below "/Brelvanostik/"
};

/// The help topic of a recorded row index; only 0-28 have one.
std::optional<Hilfethema> hilfethema(int index);

/// The base address when none is configured. It names no real site; a user who keeps the
/// help pages somewhere sets the address (see `hilfeadresseWaehlen`).
inline constexpr std::string_view kStandardHilfeadresse = "https://www.example.org";

/// The base address from a configured text: taken when it is an http or https address,
/// otherwise (empty, another scheme, blanks inside) the default. A trailing "/" is dropped.
std::string hilfeadresseWaehlen(std::string_view eingestellt);

/// The addresses of the help links, all built on one base address, and the topic of the
/// topic link: the row the user worked on last (a row label or an amount field of either
/// side) that has a help page. The link's caption and the page it opens are always that
/// topic's.
class Hilfelinks {
  public:
    explicit Hilfelinks(std::string basis = std::string(kStandardHilfeadresse));

    const std::string& basis() const { return basis_; }
    /// The address opened last (empty before the first link).
    const std::string& aktuelleAdresse() const { return aktuell_; }

    /// The user worked on row `zeile` (0-29 of either side): a row with a page becomes the
    /// topic; a row without one (29, the hourly pay) keeps the topic it has.
    void zeileMerken(int zeile);
    /// The topic the link names and opens (row 0's at first).
    Hilfethema thema() const;
    /// Opens the topic: its page becomes the current address.
    const std::string& themaOeffnen();
    /// The maker's home page (the base address itself).
    const std::string& startseite();
    /// The page on new versions at the root of the site.
    const std::string& benachrichtigung();
    /// The program's own home page.
    const std::string& produktseite();

  private:
    const std::string& merken(std::string adresse);

    std::string basis_;
    std::string aktuell_;
    int themenzeile_ = 0;
};

}  // namespace brelvanostik

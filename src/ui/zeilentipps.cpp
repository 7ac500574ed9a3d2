#include "ui/zeilentipps.h"

#include <array>

namespace brelvanostik {

QString zeilentipp(int zeile) {
    // The wording is the program's own and is kept as users know it, slips included.
    static const std::array<const char*, 29> texte = {
        "Auswahl des Personalfalles. Umbenennung mit der rechten Maustaste.",
        "Erforderlich für die Lohnsteuerberechnung wegen des Altersfreibetrags",
        "Nach dem Bundesland richten die die Voreinstellungen für die Kirchensteuer und den "
        "AOK-Beitragssatz",
        "Einstellungen für die Sozialversicherung. Bei SV-Freiheit wird die Besondere "
        "Lohnsteuertabelle verwendet.",
        "Der Arbeitgeber darf nur unter eng begrenzten Voraussetzungen einen "
        "Lohnsteuerjahresausgleich im Dezember vornehmen.",
        "Zeile für das reguläre steuer- und SV-pflichtige Gehalt.",
        "Zeile für die Versorgungsbezüge. Diese sind SV-beitragsfrei und werden bei der "
        "Lohnsteuerberechnung gesondert behandelt.",
        "Die Steuern und SV-Beiträge aus einmaligen Bezügen werden auf der Basis eines "
        "voraussichtliches Jahresentgelts berechnet.",
        "Die Steuern aus einmaligen Versorgungsbezügen werden auf der Basis eines "
        "voraussichtlichen Jahresentgelts berechnet.",
        "Diese Funktion steht in noch nicht zur Verfügung.",
        "Mit den Richtungspeilen kann das laufende Gehalt in 1 Euro-Schritten erhöht oder "
        "vermindert werden.",
        "Ein Teilzeitgehalt wird nach dem Verhältnis der Wochenstundenzahl zu der normalen "
        "tariflichen Wochenarbeitszeit berechnet.",
        "Wird das Gehalt nicht für einen vollen Monat bezahlt, werden die entsprechend "
        "gekürnzten Freibeträge verwendet.",
        "",
        "",
        "Ist ein Sachbezug gleichzeitig steuer- und SV-Beitragspflichtig, ist er in der Zeile "
        "darunter einzugeben.",
        "Ist ein Sachbezug gleichzeitig steuer- und SV-Beitragspflichtig, ist er auch in der "
        "Zeile darüber einzugeben.",
        "",
        "5,5 % der Lohnsteuer unter Berücksichtigung der Kinderfreibeträge",
        "Außer in Bayern und Ba-Wü (8 %) beträgt die Kirchenst. 9 % der Lohnsteuer unter "
        "Berücksichtigung der Kinderfreibeträge. ",
        "Der KV-Beitragssatz kann verändert werden, Die Beitragsbemessungsgrenze wird "
        "automatisch berücksichtigt.",
        "Bei Auswahl von Minijob oder Gleitzeit werden alle 5 SV-Zeilen gleichgeschaltet.",
        "Bei Auswahl von Minijob oder Gleitzeit werden alle 5 SV-Zeilen gleichgeschaltet.",
        "Bei Auswahl von Minijob oder Gleitzeit werden alle 5 SV-Zeilen gleichgeschaltet.",
        "Der Beitragssatz ist von der gewählten Einstellung der Auswahlbox abhängig.",
        "Je nach Einstellung wirkt sich der Betrag auch auf die Berechnung der Abzüge aus.",
        "",
        "Der Versorgungsfreibetrag jährlich reduziert, abhängig vom Beginnjahr der "
        "Versorgungsbezüge.",
        "Kinderfreibeträge wirken sich nur auf den Solidaritätszuschlag und die Kirchensteuer "
        "aus.",
    };
    if (zeile < 0 || zeile >= static_cast<int>(texte.size())) return {};
    return QString::fromUtf8(texte[static_cast<std::size_t>(zeile)]);
}

}  // namespace brelvanostik

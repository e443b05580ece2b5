#include "app/views.h"

#include "text/number_format.h"
#include "text/placeholders.h"

namespace quorvel {

std::string CurveView::Hover(std::size_t point) const {
    if (point >= points.size()) return {};
    const CurvePointView& p = points[point];
    const std::string& missiles = hoverMissiles[static_cast<std::size_t>(PluralFormOf(plural, p.missiles))];
    return FillPlaceholders(hoverPattern, {FillPlaceholders(missiles, {FormatGrouped(p.missiles)}),
                                           FormatGrouped(p.defenderTotal), FormatGrouped(p.defender[0]),
                                           FormatGrouped(p.defender[1]), FormatGrouped(p.defender[2]),
                                           FormatGrouped(p.attackerTotal)});
}

std::vector<std::string> CurveView::Row(std::size_t point) const {
    if (point >= points.size()) return {};
    const CurvePointView& p = points[point];
    std::vector<std::string> row{FormatGrouped(p.missiles)};
    for (const ResourceValues* side : {&p.defender, &p.attacker}) {
        for (std::int64_t v : *side) row.push_back(FormatGrouped(v));
    }
    return row;
}

}  // namespace quorvel

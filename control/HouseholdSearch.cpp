#include "control/HouseholdSearch.h"

#include "core/Text.h"

namespace r78 {

std::string PadField(const SharedState& s, std::string_view value, int width, bool useBlanks) {
    const std::string trimmed = text::Trim(value);
    const int n = width - static_cast<int>(trimmed.size());
    if (n < 0) return std::string(value.substr(0, static_cast<size_t>(std::max(width, 0))));
    const std::string& pad = useBlanks ? s.BlankPad : s.ZeroPad;
    return pad.substr(0, std::min<size_t>(static_cast<size_t>(n), pad.size())) + trimmed;
}

HouseholdQuery FindHouseholdsQuery(const SharedState& s, const std::string& seg, const std::string& sss,
                                   const std::string& ssu) {
    // The segment of a household is kept in its SU column.
    std::string condition;
    db::Params keys;
    if (!seg.empty()) {
        condition += " and SU = ?";
        keys.push_back(seg);
    }
    if (!sss.empty()) {
        condition += " and SSS = ?";
        keys.push_back(sss);
    }
    if (!ssu.empty()) {
        condition += " and SSU = ?";
        keys.push_back(PadField(s, ssu, 2, false));
    }
    HouseholdQuery q;
    q.sql = "select FSUNO,SU,SSS,SSU,SVC,'21.1' as sch,vrfsts from  s211l01 where FSUNO = ?" + condition +
            " union select FSUNO,SU,SSS,SSU,SVC,'5.1' as sch,vrfsts from  s051l01 where FSUNO = ?" +
            condition + " order by FSUNO, sch, SSS, SSU";
    q.params.push_back(s.CurFsuNo);
    q.params.insert(q.params.end(), keys.begin(), keys.end());
    q.params.push_back(s.CurFsuNo);
    q.params.insert(q.params.end(), keys.begin(), keys.end());
    return q;
}

HouseholdQuery ShowAllHouseholdsQuery(const SharedState& s) {
    return {
        "select FSUNO,SSS,SSU,SVC,'21.1' as sch,vrfsts from  s211l01 where FSUNO = ?"
        " union select FSUNO,SSS,SSU,SVC,'5.1' as sch,vrfsts from  s051l01 where FSUNO = ?",
        {s.CurFsuNo, s.CurFsuNo}};
}

}  // namespace r78

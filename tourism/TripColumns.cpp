#include "tourism/TripColumns.h"

#include "validation/checks_211.h"

namespace r78::tourism {

namespace {

QString Label(int column) { return QString("\nC(%1)").arg(column); }

}  // namespace

GridParams TripBlock(int index, BlockCheck check, const QString& title) {
    GridParams p;
    HouseholdBlock(p, index, title);
    p.blockCheck = std::move(check);
    return p;
}

void AddTripLead(GridParams& p, const std::string& prefix, const QString& purposeCaption) {
    p.columns.push_back({"SLNO", " \n \nSrl\nNo.\n" + Label(1), 600});
    p.columns.push_back({prefix + "2", "no.\nof\nhhd\nmems\n" + Label(2), 800});
    p.columns.push_back({prefix + "3", purposeCaption + Label(3), 800});
    // The serial number is kept in two digits, so that trips sort as numbers.
    p.rules.push_back(rule::Positive("SLNO", true));
    p.rules.push_back(rule::Positive(prefix + "2"));
    p.rules.push_back(rule::Code(prefix + "3", "1..7,9,x", "code 1 to 7 or 9 please"));
}

void AddTripServices(GridParams& p, const std::string& prefix, int first) {
    struct Service {
        const char* caption;  // five lines; the column's label follows
        bool notUsed;         // 9 stands for a service not used
    };
    static const Service services[] = {
        {"int\ner\nnet\n\n", false},
        {"wit\nout\nint\ner\nnet", false},
        {"dir\nec\nint\ner\nnet", false},
        {"with\nout\nint\ner\nnet", false},
        {"sat\nis\nfied\nacco\n", true},
        {"sat\nis\nfied\nfood\n", true},
        {"sat\nis\nfied\ntrns\nprt", true},
        {"sat\nis\nfied\noth\ner", true},
        {"ser\nvice\ntour\nguide\nused", false},
        {"sat\nis\nfied\ntour\nguid", false},
    };
    int column = first;
    for (const Service& service : services) {
        const std::string field = prefix + std::to_string(column);
        p.columns.push_back({field, service.caption + Label(column), 1200});
        p.rules.push_back(service.notUsed ? rule::Code(field, "1,2,9,x", "code 1, 2 or 9 please")
                                          : rule::YesNo(field));
        ++column;
    }
    p.lastEditField = prefix + std::to_string(column - 1);
}

void AddAmount(GridParams& p, const std::string& prefix, int column, const QString& caption, int width) {
    const std::string field = prefix + std::to_string(column);
    p.columns.push_back({field, caption + Label(column), width});
    p.rules.push_back(rule::AnyDigits(field));
}

}  // namespace r78::tourism

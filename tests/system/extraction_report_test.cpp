// The report at the end of an extraction: its summing-up line, then what was
// renamed, refused and written, one member a line.
#include "system/extraction_report.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using Outcome = ExtractionOutcome;

struct ReportRow {
    std::string name;
    std::vector<ExtractedMember> results;
    std::size_t members = 0;
    std::string report;
};

class ExtractionReport : public testing::TestWithParam<ReportRow> {};

TEST_P(ExtractionReport, SaysWhatBecameOfEachMember)
{
    EXPECT_EQ(DescribeExtraction(GetParam().results, GetParam().members, "/out"), GetParam().report);
}

const ExtractedMember kWritten{"People\\maid.iff", "People/maid.iff", Outcome::Written, ""};
const ExtractedMember kRenamed{"PEOPLE\\MAID.IFF", "People/MAID (2).IFF", Outcome::Renamed,
                               "another member has that name"};
const ExtractedMember kRefused{"..\\up.iff", "", Outcome::Refused, "its name leads out of the folder"};

INSTANTIATE_TEST_SUITE_P(
    Runs, ExtractionReport,
    testing::Values(
        ReportRow{"one written",
                  {kWritten},
                  1,
                  "Extracted 1 of 1 member into /out: 1 under their own names, 0 renamed, 0 refused.\n"
                  "Written under their own names:\n  People/maid.iff\n"},
        ReportRow{"each outcome, renamed and refused first",
                  {kWritten, kRenamed, kRefused},
                  3,
                  "Extracted 2 of 3 members into /out: 1 under their own names, 1 renamed, 1 refused.\n"
                  "Renamed:\n  PEOPLE\\MAID.IFF as People/MAID (2).IFF: another member has that name\n"
                  "Refused:\n  ..\\up.iff: its name leads out of the folder\n"
                  "Written under their own names:\n  People/maid.iff\n"},
        ReportRow{"stopped part way",
                  {kWritten},
                  4,
                  "Stopped after 1 of 4 members: 1 under their own names, 0 renamed, 0 refused.\n"
                  "Written under their own names:\n  People/maid.iff\n"},
        ReportRow{"an empty archive",
                  {},
                  0,
                  "Extracted 0 of 0 members into /out: 0 under their own names, 0 renamed, 0 refused.\n"}),
    fixtures::RowName());

}  // namespace
}  // namespace tarnwick

// The test host's own expectations of the six deliverables hold the texts the host
// shows, in Shift_JIS as the C library encodes them.
#include "tests/plugin/shift_jis.h"
#include "tools/win_test_host/expected_deliverables.h"
#include "tools/win_test_host/plugin_module.h"

#include <gtest/gtest.h>

namespace {

TEST(win_test_host_expectations, texts_are_the_shift_jis_of_the_hosts_texts) {
    struct case_ {
        const char* name;
        const char* display_name;
        const char* japanese;
    };
    const case_ cases[] = {
        {"vantor200", "mem(50m→200m)", "50mメッシュ(標高)memファイルを読み込み"},
        {"vantor100", "mem(50m→100m)", "50mメッシュ(標高)memファイルを読み込み"},
        {"vantor50", "mem(50m→50m)", "50mメッシュ(標高)memファイルを読み込み"},
        {"qelmar20", "lem(5m→20m)", "5mメッシュ(標高)lemファイルを読み込み"},
        {"qelmar10", "lem(5m→10m)", "5mメッシュ(標高)lemファイルを読み込み"},
        {"qelmar5", "lem(5m→5m)", "5mメッシュ(標高)lemファイルを読み込み"},
    };
    for (const case_& c : cases) {
        SCOPED_TRACE(c.name);
        const expected_deliverable* d = find_expected_deliverable(c.name);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(std::string(d->display_name), shift_jis(c.display_name));
        EXPECT_EQ(std::string(d->description_japanese), shift_jis(c.japanese));
    }
    EXPECT_EQ(std::string(expected_author_name_katakana), shift_jis("リン・アオキ"));
    EXPECT_EQ(find_expected_deliverable("vantor"), nullptr);
}

TEST(win_test_host_expectations, a_module_argument_names_its_deliverable_by_file_name) {
    struct case_ {
        const char* argument;
        const char* name;
    };
    for (const case_ c : {case_{"vantor200", "vantor200"}, case_{"vantor200.dll", "vantor200"},
                          case_{"programs/qelmar5.dll", "qelmar5"}, case_{"Z:\\dlls\\qelmar10.dll", "qelmar10"},
                          case_{"./a.b/vantor50.dll", "vantor50"}}) {
        EXPECT_EQ(deliverable_name_of(c.argument), c.name) << c.argument;
    }
}

}  // namespace

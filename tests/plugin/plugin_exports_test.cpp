// The nine exports of each of the six deliverables, against the host's expectations.
#include "plugin/plugin_exports.h"
#include "tests/plugin/shift_jis.h"
#include "tools/recording_host/recording_scene.h"
#include "tools/recording_host/text_stream.h"
#include "tools/recording_host/trace_format.h"
#include "tools/sample_generator/synthetic_terrain.h"
#include "tools/win_test_host/raw_call.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// What the host expects of each deliverable, written out here on their own.
struct expectation {
    std::string name;
    std::uint32_t importer_id;
    std::string display_name_utf8;
    std::string description_japanese_utf8;
    std::string description_english;
    std::string extension;
    int sample_step;
};

const expectation expectations[] = {
    {"vantor200", 0x51800022, "mem(50m→200m)", "50mメッシュ(標高)memファイルを読み込み", "50mGrid(Elevation)import", "mem", 4},
    {"vantor100", 0x51800021, "mem(50m→100m)", "50mメッシュ(標高)memファイルを読み込み", "50mGrid(Elevation)import", "mem", 2},
    {"vantor50", 0x51800020, "mem(50m→50m)", "50mメッシュ(標高)memファイルを読み込み", "50mGrid(Elevation)import", "mem", 1},
    {"qelmar20", 0x51800012, "lem(5m→20m)", "5mメッシュ(標高)lemファイルを読み込み", "5mGrid(Elevation)import", "lem", 4},
    {"qelmar10", 0x51800011, "lem(5m→10m)", "5mメッシュ(標高)lemファイルを読み込み", "5mGrid(Elevation)import", "lem", 2},
    {"qelmar5", 0x51800010, "lem(5m→5m)", "5mメッシュ(標高)lemファイルを読み込み", "5mGrid(Elevation)import", "lem", 1},
};

const expectation& expected_for(const char* name) {
    for (const expectation& e : expectations) {
        if (e.name == name) return e;
    }
    throw std::out_of_range(name);
}

// A host whose language the test chooses. It checks, when asked, that the record it
// lent has not been written yet.
struct test_host final : host_interface {
    explicit test_host(bool japanese_) : japanese(japanese_) {}
    bool japanese;
    int asked = 0;
    const plugin_info* record = nullptr;
    bool record_untouched_when_asked = true;

    bool TERRAIN_THISCALL is_japanese_ui(std::int32_t argument) override {
        ++asked;
        EXPECT_EQ(argument, 0);
        if (record != nullptr && record->sdk_version != sentinel) record_untouched_when_asked = false;
        return japanese;
    }
    static constexpr std::int32_t sentinel = 0x5EA1ED;
};

// A record followed by words that must stay untouched.
struct guarded_record {
    plugin_info info;
    std::uint32_t after[4];

    guarded_record() {
        std::memset(this, 0, sizeof *this);
        info.sdk_version = test_host::sentinel;
        for (std::uint32_t& word : after) word = 0xDEADBEEF;
    }
    bool tail_untouched() const {
        for (const std::uint32_t word : after) {
            if (word != 0xDEADBEEF) return false;
        }
        return true;
    }
};

template <const deliverable& d>
struct deliverable_case {
    using exports = plugin_exports<d>;
    static const deliverable& constants() { return d; }
};

template <class Case>
class plugin_exports_test : public testing::Test {
protected:
    using exports = typename Case::exports;
    const expectation& expected = expected_for(Case::constants().name);
};

using all_six = testing::Types<deliverable_case<vantor200>, deliverable_case<vantor100>, deliverable_case<vantor50>,
                               deliverable_case<qelmar20>, deliverable_case<qelmar10>, deliverable_case<qelmar5>>;

struct case_names {
    template <class Case>
    static std::string GetName(int) {
        return Case::constants().name;
    }
};
TYPED_TEST_SUITE(plugin_exports_test, all_six, case_names);

interface_id last_byte_changed() {
    interface_id id = importer_interface_id;
    id[15] ^= 0xFF;
    return id;
}

TYPED_TEST(plugin_exports_test, answer_only_for_the_importer_interface_id) {
    using exports = typename TestFixture::exports;
    const interface_id changed = last_byte_changed();
    const interface_id* foreign[] = {&iunknown_interface_id, &changed, nullptr};

    EXPECT_EQ(exports::has_interface(&importer_interface_id, 0), 1);
    EXPECT_EQ(exports::get_id(&importer_interface_id, 0, 0), this->expected.importer_id);
    const char* name = exports::get_name(&importer_interface_id, 0, 0, 0);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::string(name), shift_jis(this->expected.display_name_utf8));
    EXPECT_NE(std::string(name).find("\x81\xA8"), std::string::npos) << "no Shift_JIS arrow";
    EXPECT_EQ(exports::get_name(&importer_interface_id, 1, 2, 3), name) << "not the same pointer every call";

    for (const interface_id* id : foreign) {
        EXPECT_EQ(exports::has_interface(id, 0), 0);
        EXPECT_EQ(exports::get_id(id, 0, 0), 0u);
        EXPECT_EQ(exports::get_name(id, 0, 0, 0), nullptr);
    }
}

TYPED_TEST(plugin_exports_test, fixed_answers_ignore_their_arguments) {
    using exports = typename TestFixture::exports;
    for (const std::uint32_t any : {0u, 1u, 0xFFFFFFFFu}) {
        EXPECT_EQ(exports::get_interface_version(any), 25);
        EXPECT_TRUE(exports::is_resident(any, any, any));
        EXPECT_FALSE(exports::has_separate_interfaces(any));
    }
}

TYPED_TEST(plugin_exports_test, text_encoding_follows_the_hosts_language_each_time) {
    using exports = typename TestFixture::exports;
    test_host host(true);
    EXPECT_EQ(exports::get_text_encoding(&host, 0), 932);
    host.japanese = false;
    EXPECT_EQ(exports::get_text_encoding(&host, 0), 0);
    EXPECT_EQ(host.asked, 2);
}

TYPED_TEST(plugin_exports_test, info_record_has_ten_fields_and_the_hosts_language) {
    using exports = typename TestFixture::exports;
    const char* names[2][3];
    for (const bool japanese : {true, false}) {
        SCOPED_TRACE(japanese ? "Japanese host" : "other host");
        guarded_record record;
        test_host host(japanese);
        host.record = &record.info;
        exports::get_info(&record.info, &host, 0);

        EXPECT_EQ(host.asked, 1);
        EXPECT_TRUE(host.record_untouched_when_asked) << "a field was written before the host was asked";
        EXPECT_TRUE(record.tail_untouched());
        const plugin_info& info = record.info;
        EXPECT_EQ(info.sdk_version, 380394);
        EXPECT_EQ(info.sdk_version_base, 380000);
        EXPECT_EQ(info.info_value_1, 1);
        EXPECT_EQ(info.info_value_2, 0);
        EXPECT_EQ(info.info_value_3, 0);
        EXPECT_EQ(info.info_value_4, 0);
        EXPECT_EQ(std::string(info.plugin_name), this->expected.name);
        EXPECT_STREQ(info.author_name, "Rin Aoki");
        EXPECT_EQ(std::string(info.author_name_katakana), shift_jis("リン・アオキ"));
        EXPECT_EQ(std::string(info.description), japanese ? shift_jis(this->expected.description_japanese_utf8)
                                                           : this->expected.description_english);
        names[japanese][0] = info.plugin_name;
        names[japanese][1] = info.author_name;
        names[japanese][2] = info.author_name_katakana;
    }
    for (int i = 0; i < 3; ++i) EXPECT_EQ(names[0][i], names[1][i]) << "pointer " << i << " differs by language";
}

TYPED_TEST(plugin_exports_test, create_interface_hands_out_new_components_holding_one_reference) {
    using exports = typename TestFixture::exports;
    IUnknown* first = nullptr;
    IUnknown* second = nullptr;
    exports::create_interface(0, 0, &first, 0, 0);
    // The host's interface ID is not looked at: any arguments give a component.
    exports::create_interface(0xFFFFFFFF, 0x12345678, &second, 7, 8);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(static_cast<unknown_interface*>(first)->ref_count, 1u);

    const std::uintptr_t ignored[] = {0, 0};
    EXPECT_EQ(call_thiscall(table_entry(first, 5), first, {ignored, 1}).value & 0xFFFFFFFF,
              this->expected.importer_id);
    const auto extension = call_thiscall(table_entry(first, 209), first, ignored).value;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(extension)), this->expected.extension);

    EXPECT_EQ(first->Release(), 0u);
    EXPECT_EQ(second->AddRef(), 2u);
    EXPECT_EQ(second->Release(), 1u);
    EXPECT_EQ(second->Release(), 0u);
}

TYPED_TEST(plugin_exports_test, the_component_imports_its_kind_of_file_with_its_step) {
    using exports = typename TestFixture::exports;
    const bool mem = this->expected.extension == "mem";
    synthetic_terrain_options options;
    options.rows = 9;
    options.columns = 11;
    const std::string file = mem ? synthetic_mem_text(options) : synthetic_lem_text(options);
    const std::string path = "C:\\terrain\\sample-file." + this->expected.extension;

    IUnknown* component = nullptr;
    exports::create_interface(0, 0, &component, 0, 0);
    ASSERT_NE(component, nullptr);
    recording_scene scene;
    text_stream stream(file, path);
    stream.set_failure_style(text_stream::failure_style::leaves_null);
    const std::uintptr_t arguments[] = {reinterpret_cast<std::uintptr_t>(&scene), 0,
                                        reinterpret_cast<std::uintptr_t>(&stream), 0};
    call_thiscall(table_entry(component, 212), component, arguments);
    component->Release();

    recording_scene expected_scene;
    text_stream expected_stream(file, path);
    expected_stream.set_failure_style(text_stream::failure_style::leaves_null);
    import_terrain(mem ? elevation_file_kind::mem : elevation_file_kind::lem, this->expected.sample_step,
                   expected_scene, expected_stream);
    EXPECT_EQ(format_trace(scene.calls()), format_trace(expected_scene.calls()));
    EXPECT_GT(scene.calls().size(), 4u);
}

TYPED_TEST(plugin_exports_test, null_pointers_from_the_host_are_not_followed) {
    using exports = typename TestFixture::exports;
    exports::create_interface(0, 0, nullptr, 0, 0);
    exports::get_info(nullptr, nullptr, 0);
    guarded_record record;
    exports::get_info(&record.info, nullptr, 0);
    EXPECT_EQ(std::string(record.info.description), this->expected.description_english);
    EXPECT_EQ(exports::get_text_encoding(nullptr, 0), 0);
}

}  // namespace

#include <string>

#include <gtest/gtest.h>

#include "instrument/TouchstoneModel.h"

namespace ravemo {
namespace {

std::unique_ptr<TouchstoneModel> Parse(const char* text) {
    TouchstoneModel::Parsed parsed = TouchstoneModel::fromText(QString::fromUtf8(text), "t.s1p");
    EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    return std::move(parsed.model);
}

void ExpectGamma(const TouchstoneModel& model, double hz, std::complex<double> expected) {
    const std::complex<double> got = model.reflection(hz);
    EXPECT_NEAR(got.real(), expected.real(), 1e-9) << hz;
    EXPECT_NEAR(got.imag(), expected.imag(), 1e-9) << hz;
}

TEST(TouchstoneModel, ReadsTheThreeFormatsAndUnitsAndInterpolates) {
    auto ri = Parse("! comment\n# MHz S RI R 50\n1 0.5 0.25 ! trailing comment\r\n2 0 -1\n");
    ExpectGamma(*ri, 1e6, {0.5, 0.25});

    auto ma = Parse("# khz s ma\n1000 0.5 90\n");
    ExpectGamma(*ma, 1e6, {0.0, 0.5});

    auto db = Parse("#HZ S DB R 75\n1000000 -20 180\n");
    ExpectGamma(*db, 1e6, {-0.1, 0.0});
    EXPECT_EQ(db->referenceOhms(), 75.0);

    auto defaults = Parse("0.001 0.2 0\n");  // GHZ, S, MA, R 50 when no option line
    EXPECT_EQ(defaults->points().front().hz, 1e6);
    EXPECT_NEAR(defaults->impedance(1e6).real(), 75.0, 1e-9);

    // Between points the reflection is interpolated; beyond the ends it holds.
    auto model = Parse("# MHZ S RI\n1 0 0\n3 0.4 -0.2\n4 1 0\n");
    ExpectGamma(*model, 2e6, {0.2, -0.1});
    ExpectGamma(*model, 3.5e6, {0.7, -0.1});
    ExpectGamma(*model, 9e6, {1.0, 0.0});
    EXPECT_TRUE(std::isinf(model->impedance(9e6).real()));  // an open end
    EXPECT_NEAR(model->impedance(1e6).real(), 50.0, 1e-9);
}

TEST(TouchstoneModel, ErrorsNameTheLineAndTheRealProblem) {
    const struct {
        std::string text;
        const char* says;
    } cases[] = {
        {"# MHZ Z RI\n1 0 0\n", "only S"},
        {"# MHZ S RI\n1 0 0 0 0 0 0 0 0\n", "line 2: expected 3 numbers"},
        {"# MHZ S RI\n2 0 0\n1 0 0\n", "line 3: frequencies must"},
        {"# MHZ S MA\n1 0.5 0\n2 -0.5 0\n", "line 3: the magnitude -0.5 is negative"},
        {"# MHZ S DB\n1 7000 0\n", "line 2: 7000 dB gives no finite magnitude"},
        {"# GHz S RI\n1e300 0 0\n", "line 2: the frequency 1e300 GHz is beyond any"},
        {"[Version] 3.0\n", "line 1: Touchstone version '3.0' is not supported"},
        {"[Version] 2.0\n[Number of Ports] 1\n[Number of Frequencies] 2\n[Network Data]\n1 0 "
         "0\n[End]\n",
         "line 3: [Number of Frequencies] is 2, but the file holds 1 data lines"},
    };
    for (const auto& c : cases) {
        const auto parsed = TouchstoneModel::fromText(QString::fromStdString(c.text), "t.s1p");
        EXPECT_EQ(parsed.model, nullptr);
        EXPECT_TRUE(parsed.error.contains(c.says))
            << c.text << " -> " << parsed.error.toStdString();
    }
}

TEST(TouchstoneModel, ReadsVersionTwoAndCarriageReturnOnlyFiles) {
    const QString data = QStringLiteral(RAVEMO_SOURCE_DIR "/tests/data/");
    TouchstoneModel::Parsed v2 = TouchstoneModel::fromFile(data + "touchstone-v2-one-port.s1p");
    ASSERT_NE(v2.model, nullptr) << v2.error.toStdString();
    ASSERT_EQ(v2.model->points().size(), 3U);
    EXPECT_EQ(v2.model->referenceOhms(), 75.0);  // [Reference] wins over the option line's R
    ExpectGamma(*v2.model, 1e6, {0.5, 0.25});

    TouchstoneModel::Parsed cr = TouchstoneModel::fromFile(data + "touchstone-cr-only.s1p");
    ASSERT_NE(cr.model, nullptr) << cr.error.toStdString();
    ASSERT_EQ(cr.model->points().size(), 2U);
    ExpectGamma(*cr.model, 1e6, {0.0, 0.5});
    EXPECT_EQ(cr.model->description(),
              "Touchstone file touchstone-cr-only.s1p, 2 points from 1 to 2 MHz");

    const TouchstoneModel::Parsed missing = TouchstoneModel::fromFile(data + "none.s1p");
    EXPECT_EQ(missing.model, nullptr);
    EXPECT_TRUE(missing.error.contains("none.s1p\" does not exist"));
    EXPECT_TRUE(TouchstoneModel::fromFile("/dev/zero").error.contains("character device"));
}

}  // namespace
}  // namespace ravemo

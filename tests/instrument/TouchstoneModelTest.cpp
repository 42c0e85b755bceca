#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "instrument/TouchstoneModel.h"

namespace ravemo {
namespace {

std::unique_ptr<TouchstoneModel> Parse(const char* text) {
    TouchstoneModel::Parsed parsed = TouchstoneModel::fromText(QString::fromUtf8(text), "t.s1p");
    EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    return std::move(parsed.model);
}

QString ErrorOf(const char* text) {
    TouchstoneModel::Parsed parsed = TouchstoneModel::fromText(QString::fromUtf8(text), "t.s1p");
    EXPECT_EQ(parsed.model, nullptr);
    return parsed.error;
}

void ExpectGamma(const TouchstoneModel& model, double hz, std::complex<double> expected) {
    const std::complex<double> got = model.reflection(hz);
    EXPECT_NEAR(got.real(), expected.real(), 1e-9) << hz;
    EXPECT_NEAR(got.imag(), expected.imag(), 1e-9) << hz;
}

TEST(TouchstoneModel, ReadsTheThreeFormatsAndUnits) {
    auto ri = Parse("! comment\n# MHz S RI R 50\n1 0.5 0.25 ! trailing comment\r\n2 0 -1\n");
    ExpectGamma(*ri, 1e6, {0.5, 0.25});
    ExpectGamma(*ri, 2e6, {0.0, -1.0});

    auto ma = Parse("# khz s ma\n1000 0.5 90\n");
    ExpectGamma(*ma, 1e6, {0.0, 0.5});

    auto db = Parse("#HZ S DB R 75\n1000000 -20 180\n");
    ExpectGamma(*db, 1e6, {-0.1, 0.0});
    EXPECT_EQ(db->referenceOhms(), 75.0);

    auto defaults = Parse("0.001 0.2 0\n");  // GHZ, S, MA, R 50 when no option line
    EXPECT_EQ(defaults->points().front().hz, 1e6);
    EXPECT_NEAR(defaults->impedance(1e6).real(), 75.0, 1e-9);
}

TEST(TouchstoneModel, InterpolatesBetweenPointsAndHoldsTheEnds) {
    auto model = Parse("# MHZ S RI\n1 0 0\n3 0.4 -0.2\n4 1 0\n");
    ExpectGamma(*model, 2e6, {0.2, -0.1});
    ExpectGamma(*model, 3.5e6, {0.7, -0.1});
    ExpectGamma(*model, 0.0, {0.0, 0.0});
    ExpectGamma(*model, 9e6, {1.0, 0.0});
    EXPECT_TRUE(std::isinf(model->impedance(9e6).real()));  // an open end
    EXPECT_NEAR(model->impedance(1e6).real(), 50.0, 1e-9);
}

TEST(TouchstoneModel, ImpedanceUsesTheFilesReference) {
    auto model = Parse("# MHZ S RI R 75\n1 0 0\n");
    EXPECT_NEAR(model->impedance(1e6).real(), 75.0, 1e-9);
}

TEST(TouchstoneModel, ErrorsNameTheLineAndWhatIsAllowed) {
    EXPECT_TRUE(ErrorOf("# MHZ Z RI\n1 0 0\n").contains("only S"));
    EXPECT_TRUE(ErrorOf("# MHZ S XY\n").contains("line 1: unknown option 'XY'"));
    EXPECT_TRUE(ErrorOf("# MHZ S RI R\n1 0 0\n").contains("reference resistance"));
    EXPECT_TRUE(ErrorOf("# MHZ S RI R -5\n1 0 0\n").contains("reference resistance"));
    EXPECT_TRUE(ErrorOf("# MHZ S RI\n1 0 0 0 0 0 0 0 0\n").contains("line 2: expected 3 numbers"));
    EXPECT_TRUE(ErrorOf("# MHZ S RI\n1 0 zero\n").contains("'zero' is not a number"));
    EXPECT_TRUE(ErrorOf("# MHZ S RI\n2 0 0\n1 0 0\n").contains("line 3: frequencies must"));
    EXPECT_TRUE(ErrorOf("# MHZ S RI\n1 0 0\n1 0 0\n").contains("strictly increasing"));
    EXPECT_TRUE(ErrorOf("! nothing\n# MHZ S RI\n").contains("no data points"));
    EXPECT_TRUE(ErrorOf("").contains("no data points"));
}

TEST(TouchstoneModel, FromFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("antenna.s1p");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# MHZ S RI R 50\n14 0.2 0\n");
    file.close();
    TouchstoneModel::Parsed parsed = TouchstoneModel::fromFile(path);
    ASSERT_NE(parsed.model, nullptr) << parsed.error.toStdString();
    EXPECT_EQ(parsed.model->description(),
              QStringLiteral("Touchstone file antenna.s1p, 1 points from 14 to 14 MHz"));

    const TouchstoneModel::Parsed missing = TouchstoneModel::fromFile(dir.filePath("none.s1p"));
    EXPECT_EQ(missing.model, nullptr);
    EXPECT_TRUE(missing.error.contains("Touchstone file")) << missing.error.toStdString();
    EXPECT_TRUE(missing.error.contains("none.s1p\" does not exist"));
    EXPECT_TRUE(TouchstoneModel::fromFile("/dev/zero").error.contains("character device"));
}

}  // namespace
}  // namespace ravemo

// Units a program defines (qelunits/Definitions.h): reading a text of definitions, reading units with it, the
// refusals with their line and column, layering, the text a unit carries to another process, and the process's set.

#include <qelunits/Definitions.h>
#include <qelunits/QelUnitsUtf8.h>
#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using qelunits::Definitions;
using qelunits::ErrorKind;
using qelunits::Quantity;
using qelunits::Unit;

constexpr const char* kShop = "# a shop's units\n"
                              "widget = 3.5 kg            # a name and what one of it is\n"
                              "bbl_oil_eq = 6.118e9 J; BOE\n"
                              "person_hour = hour\n"
                              "dollar = [currency]\n"
                              "cent = dollar/100; ¢\n"
                              "dog_year = 52 * day = dy\n"
                              "crate = 12 widget\n";

Unit unit(const char* text) { return Unit::parse(text).value(); }

TEST(UserDefinitions, UnitsReadWithTheirSetAndConvertByTheirDefinitions) {
    const Definitions shop = Definitions::read(kShop, "shop.txt").value();
    struct Case {
        const char* quantity;
        const char* to;
        double expected; // from the definitions above
    };
    const Case cases[] = {
        {"2 widget", "kg", 7.0},
        {"1 BOE", "GJ", 6.118},
        {"3 person_hour", "min", 180.0},
        {"150 cent", "dollar", 1.5},
        {"25 ¢", "dollar", 0.25},
        {"1 dy", "d", 52.0},
        {"1 dog_year", "week", 52.0 / 7.0},
        {"2 crate", "widget", 24.0},
        {"1 crate", "lb", 42.0 / 0.45359237},
        {"3 dollar/h", "cent/min", 5.0},
        {"2 widget + 7 kg", "widget", 4.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.quantity);
        const auto q = Quantity::parse(c.quantity, shop);
        ASSERT_TRUE(q) << q.message();
        const auto to = Unit::parse(c.to, shop);
        ASSERT_TRUE(to) << to.message();
        EXPECT_NEAR(q->to(*to).value(), c.expected, 1e-12 * c.expected);
    }
    EXPECT_EQ(shop.size(), 7u);
    EXPECT_EQ(shop.names(),
              (std::vector<std::string>{"widget", "bbl_oil_eq", "person_hour", "dollar", "cent", "dog_year", "crate"}));
    // A new base dimension converts to nothing else, and its name reads as its dimension.
    const auto money = Quantity::parse("5 dollar", shop).value();
    EXPECT_EQ(money.tryTo(unit("kg")).kind(), ErrorKind::IncompatibleUnits);
    EXPECT_EQ(money.unit().dimension(), "dollar");
    EXPECT_FALSE(money.unit().exponents() == unit("kg").exponents());
}

TEST(UserDefinitions, NothingIsReadWithoutTheSetAndBuiltinsStayBuiltin) {
    const Definitions shop = Definitions::read(kShop).value();
    EXPECT_EQ(Unit::parse("widget").kind(), ErrorKind::UnknownUnit);
    {
        const Definitions::Scope scope(shop); // the thread reads with the set while the scope lives
        EXPECT_TRUE(Unit::parse("widget"));
    }
    EXPECT_EQ(Unit::parse("widget").kind(), ErrorKind::UnknownUnit);
    EXPECT_EQ(Quantity::parse("1 ft", shop)->to(unit("m")).value(), 0.3048);
}

TEST(UserDefinitions, CatalogueTypesHoldWhatTheCatalogueKnows) {
    const Definitions::Scope scope(Definitions::read(kShop).value());
    // A defined unit of builtin dimensions is its catalogue expression; one of an added dimension has none.
    const auto crate = qelunits::parseQuantity("2 crate");
    ASSERT_TRUE(crate) << crate.message();
    EXPECT_EQ(crate->GetValue(), 84.0);
    EXPECT_EQ(qelunits::parseExpression("widget/s")->scale(), 3.5);
    EXPECT_EQ(qelunits::parseQuantity("3 dollar").kind(), ErrorKind::IncompatibleUnits);
    const auto cent = qelunits::parseExpression("kg/cent");
    ASSERT_FALSE(cent);
    EXPECT_EQ(cent.message().rfind("'cent' at 3 is of a dimension the program added", 0), 0u) << cent.message();
    EXPECT_EQ(qelunits::convert("300 cent", "dollar").value(), 3.0);
}

TEST(UserDefinitions, BadTextsAreRefusedWhereTheFaultIsAndChangeNothing) {
    std::string deep = "w0 = 2 kg\n";
    for (int i = 1; i <= Definitions::kMaxDepth + 2; ++i) {
        deep += "w" + std::to_string(i) + " = 2 w" + std::to_string(i - 1) + "\n";
    }
    std::string downward; // each resting on the next line: resolved one inside another, as deep as the text
    for (int i = 0; i < 10000; ++i) {
        downward += "w" + std::to_string(i) + " = 2 w" + std::to_string(i + 1) + "\n";
    }
    const std::string longLine = "w = " + std::string(Definitions::kMaxLineLength, '1') + " kg";
    struct Case {
        std::string text;
        ErrorKind kind;
        const char* where; // the message starts with it: file, line and column
        const char* says;  // and holds this
    };
    const Case cases[] = {
        {"widget = 3.5 kg\nwidget = 2 kg", ErrorKind::InvalidArgument, "f.txt:2:1: ", "defined twice: first on line 1"},
        {"m = 2 ft", ErrorKind::InvalidArgument, "f.txt:1:1: ", "'m' is a unit already"},
        {"gadget = 2 kg; ft", ErrorKind::InvalidArgument, "f.txt:1:16: ", "'ft' is a unit already"},
        {"p = 2 q\nq = 2 p", ErrorKind::InvalidArgument, "f.txt:1:1: ", "circle"},
        {"p = 2 p", ErrorKind::InvalidArgument, "f.txt:1:1: ", "rests on itself"},
        {"p = 2 kg\n  q = 2 q", ErrorKind::InvalidArgument, "f.txt:2:3: ", "rests on itself"},
        {"\np = 3 zork", ErrorKind::UnknownUnit, "f.txt:2:7: ", "unknown unit 'zork'"},
        {"p = 20 °C", ErrorKind::TemperaturePoint, "f.txt:1:5: ", "(Δ°C)"},
        {"p = -2 kg", ErrorKind::InvalidArgument, "f.txt:1:5: ", "positive, finite"},
        {"p = 0 kg", ErrorKind::InvalidArgument, "f.txt:1:5: ", "positive, finite"},
        {"p = [x y]", ErrorKind::Syntax, "f.txt:1:5: ", "no name of a dimension"},
        {"p = [length]", ErrorKind::InvalidArgument, "f.txt:1:5: ", "a dimension already"},
        {"p = 1e300 kg\nq = p^2", ErrorKind::OutOfRange, "f.txt:2:5: ", "beyond the range"},
        {"p = 3 m + 2 s", ErrorKind::IncompatibleUnits, "f.txt:1:11: ", "incompatible units"},
        {"= 3 kg", ErrorKind::Syntax, "f.txt:1:1: ", "expected a name"},
        {"p q = 3 kg", ErrorKind::Syntax, "f.txt:1:2: ", "no name"},
        {"p 3 kg", ErrorKind::Syntax, "f.txt:1:", "expected a definition"},
        {deep, ErrorKind::OutOfRange, "f.txt:65:", "at most 64"},
        {downward, ErrorKind::OutOfRange, "f.txt:66:1: ", "more than 64 deep"},
        {longLine, ErrorKind::OutOfRange, "f.txt:1:1: ", "at most 4096"},
    };
    const Definitions before = Definitions::process();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const auto read = Definitions::read(c.text, "f.txt");
        ASSERT_FALSE(read);
        EXPECT_EQ(read.kind(), c.kind);
        EXPECT_EQ(read.message().rfind(c.where, 0), 0u) << read.message();
        EXPECT_NE(read.message().find(c.says), std::string::npos) << read.message();
        // The process's set is not touched by a text that fails, even in part.
        EXPECT_FALSE(Definitions::define("fine_unit = 2 kg\n" + c.text, "f.txt"));
        EXPECT_TRUE(Definitions::process() == before);
        EXPECT_EQ(Unit::parse("fine_unit").kind(), ErrorKind::UnknownUnit);
    }
}

TEST(UserDefinitions, LayersExtendASetWithoutChangingIt) {
    const Definitions shop = Definitions::read(kShop).value();
    const auto more = shop.with("pallet = 40 crate\ndime = 10 cent", "more.txt");
    ASSERT_TRUE(more) << more.message();
    EXPECT_EQ(more->size(), shop.size() + 2);
    EXPECT_EQ(Quantity::parse("1 pallet", *more)->to(unit("kg")).value(), 40 * 12 * 3.5);
    EXPECT_EQ(Unit::parse("pallet", shop).kind(), ErrorKind::UnknownUnit);
    // A layer may not redefine what the layers below define.
    const auto again = more->with("\nwidget = 4 kg", "again.txt");
    ASSERT_FALSE(again);
    EXPECT_EQ(again.message().rfind("again.txt:2:1: 'widget' is defined already", 0), 0u) << again.message();
    EXPECT_EQ(again.position(), 1u); // in code points, as every position
    // The whole set as text reads back as the same units.
    const auto copy = Definitions::read(more->text());
    ASSERT_TRUE(copy) << copy.message() << "\n" << more->text();
    EXPECT_EQ(copy->names(), more->names());
    EXPECT_DOUBLE_EQ(Quantity::parse("3 dime", *copy)->to(Unit::parse("dollar", *copy).value()).value(), 0.3);
}

TEST(UserDefinitions, AUnitCarriesTheDefinitionsItRestsOn) {
    const Definitions shop = Definitions::read(kShop).value();
    const Unit perCrate = Unit::parse("dollar/crate", shop).value();
    const std::string carried = Definitions::textFor(perCrate);
    // Only what the unit needs, each before what rests on it.
    EXPECT_EQ(carried, "dollar = [currency]\nwidget = 3.5 kg\ncrate = 12 widget\n");
    const auto elsewhere = Definitions::read(carried);
    ASSERT_TRUE(elsewhere) << elsewhere.message();
    const Unit read = Unit::parse("dollar/crate", *elsewhere).value();
    EXPECT_TRUE(read == perCrate);
    EXPECT_EQ(Definitions::textFor(unit("m/s")), "");
}

TEST(UserDefinitions, FilesNameThemselvesInTheirErrors) {
    const std::string path = testing::TempDir() + "qelunits_defs.txt";
    {
        std::ofstream file(path);
        file << "gizmo = 2 kg\nsprocket = 3 gizmo\nbad = 2 nothing_here\n";
    }
    const auto loaded = Definitions::load(path);
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.message().rfind(path + ":3:", 0), 0u) << loaded.message();
    {
        std::ofstream file(path);
        file << "gizmo = 2 kg\nsprocket = 3 gizmo\n";
    }
    EXPECT_EQ(Definitions::load(path)->size(), 2u);
    std::remove(path.c_str());
    const auto missing = Definitions::load(path);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.message().find(path), std::string::npos);
}

TEST(UserDefinitions, TheProcessSetGrowsByDefineAndIsReplacedByPublish) {
    const Definitions before = Definitions::process();
    const auto grown = Definitions::define("thingamajig = 2.5 m", "app");
    ASSERT_TRUE(grown) << grown.message();
    EXPECT_EQ(Quantity::parse("2 thingamajig")->to(unit("m")).value(), 5.0);
    EXPECT_EQ(Definitions::process().size(), before.size() + 1);
    Definitions::publish(before);
    EXPECT_EQ(Unit::parse("thingamajig").kind(), ErrorKind::UnknownUnit);
}

} // namespace

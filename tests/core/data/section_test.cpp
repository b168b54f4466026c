#include "common/error.h"
#include "data/project.h"
#include "data/section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace velmora {
namespace {

TSection Section(std::vector<double> spans, double from = -40, double to = 40, double step = 10)
{
    TSection section;
    section.Name = "АУ 1";
    section.Spans = std::move(spans);
    section.TFrom = from;
    section.TTo = to;
    section.TStep = step;
    return section;
}

std::string Refusal(const TSection &section, Lang language = Lang::English)
{
    try {
        CheckSection(section, language);
    } catch (const Error &e) {
        return e.what();
    }
    return "accepted";
}

TEST(SectionTest, StringingTemperatures)
{
    struct Case
    {
        double from, to, step;
        std::vector<double> expected;
    };
    for (const Case &c : {
             // the rule's own example: the steps while below To, then To itself
             Case {-40, 40, 15, {-40, -25, -10, 5, 20, 35, 40}},
             Case {-40, 40, 10, {-40, -30, -20, -10, 0, 10, 20, 30, 40}}, Case {-5, 5, 20, {-5, 5}},
             Case {0.5, 1, 0.1, {0.5, 0.6, 0.7, 0.8, 0.9, 1}},
             Case {0, 2.1, 0.7, {0, 0.7, 1.4, 2.1}}, // 3 × 0.7 falls short of 2.1 by rounding
         }) {
        const std::vector<double> t = StringingTemperatures(Section({100}, c.from, c.to, c.step));
        ASSERT_EQ(t.size(), c.expected.size()) << c.from << " " << c.to << " " << c.step;
        for (std::size_t k = 0; k < t.size(); ++k)
            EXPECT_NEAR(t[k], c.expected[k], 1e-12) << c.step << " k " << k;
    }
    // tₖ is From + k·Step, not a running sum: no drift over forty steps of 0.1
    const std::vector<double> fine = StringingTemperatures(Section({100}, 0, 4, 0.1));
    ASSERT_EQ(fine.size(), 41u);
    EXPECT_EQ(fine[39], 0 + 39 * 0.1);
    EXPECT_EQ(fine[40], 4);
}

TEST(SectionTest, LimitsAreAcceptedUpToTheEdge)
{
    TSection longest = Section(std::vector<double>(200, 2000), -40, 40, 2); // 41 temperatures
    longest.Name = std::string(32, 'a') + std::string("ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ");
    EXPECT_EQ(Refusal(longest), "accepted");
    EXPECT_EQ(Refusal(Section({1e-9})), "accepted");
    EXPECT_EQ(Refusal(Section({150}, -5, -4.5, 1)), "accepted");
    // The window marks the row of the first span outside the limits.
    EXPECT_EQ(FirstSpanOutsideLimits({2000, 1e-9, 150}), 3u);
    EXPECT_EQ(FirstSpanOutsideLimits({120, 2000.5, -1}), 1u);
    EXPECT_EQ(FirstSpanOutsideLimits({std::nan("")}), 0u);
}

TEST(SectionTest, RefusalsNameTheSectionAndThePosition)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TSection longName = Section({100});
    longName.Name = std::string(65, 'x');
    TSection unnamed = Section({100, 0});
    unnamed.Name.clear();
    struct Case
    {
        TSection section;
        std::string english;
    };
    const Case cases[] = {
        {longName,
         "The name of anchor section \"" + longName.Name
             + "\" has 65 characters; at most 64 are allowed"},
        {Section({}), "The spans of anchor section \"АУ 1\" are not given"},
        {Section(std::vector<double>(201, 100)),
         "There are 201 spans in anchor section \"АУ 1\"; at most 200 are allowed"},
        {Section({120, 150, -5}),
         "Span 3 of anchor section \"АУ 1\" is -5 m; a span must be above 0 and at most 2000 m"},
        {Section({0}),
         "Span 1 of anchor section \"АУ 1\" is 0 m; a span must be above 0 and at most 2000 m"},
        {Section({100, 2000.5}),
         "Span 2 of anchor section \"АУ 1\" is 2000.5 m; a span must be "
         "above 0 and at most 2000 m"},
        {Section({nan}),
         "Span 1 of anchor section \"АУ 1\" is NAN m; a span must be above 0 and "
         "at most 2000 m"},
        {unnamed, "Span 2 of the anchor section is 0 m; a span must be above 0 and at most 2000 m"},
        {Section({100}, 10, 10, 5),
         "The first stringing temperature of anchor section \"АУ 1\" "
         "(10 °C) must be below the last (10 °C)"},
        {Section({100}, 20, -20, 5),
         "The first stringing temperature of anchor section \"АУ 1\" "
         "(20 °C) must be below the last (-20 °C)"},
        {Section({100}, -40, 40, 0),
         "The temperature step of anchor section \"АУ 1\" (0 °C) must be above 0"},
        {Section({100}, -40, 40, -10),
         "The temperature step of anchor section \"АУ 1\" (-10 °C) must be above 0"},
        {Section({100}, -inf, 40, 10),
         "The stringing temperatures of anchor section \"АУ 1\" are "
         "not finite numbers (from -INF °C to 40 °C in steps of "
         "10 °C)"},
        {Section({100}, -40, 40, nan),
         "The stringing temperatures of anchor section \"АУ 1\" are "
         "not finite numbers (from -40 °C to 40 °C in steps of "
         "NAN °C)"},
        {Section({100}, -40, 40, 1.95),
         "The stringing temperatures of anchor section \"АУ 1\" are "
         "more than 41 (from -40 °C to 40 °C in steps of 1.95 °C)"},
        // a step too small to move From: refused by the count, not looped over
        {Section({100}, 1e20, 2e20, 1),
         "The stringing temperatures of anchor section \"АУ 1\" are "
         "more than 41 (from 1E20 °C to 2E20 °C in steps of 1 °C)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Refusal(c.section), c.english);

    EXPECT_EQ(Refusal(Section({120, 150, -5}), Lang::Russian),
              "Пролёт 3 анкерного участка «АУ 1» равен -5 м; пролёт должен быть больше 0 и не "
              "более 2000 м");
    EXPECT_EQ(
        Refusal(Section({100}, -40, 40, 1), Lang::Russian),
        "Температур монтажа анкерного участка «АУ 1» больше 41 (от -40 до 40 °C с шагом 1 °C)");
    EXPECT_EQ(Refusal(Section({}), Lang::Russian), "Не заданы пролёты анкерного участка «АУ 1»");
}

TEST(SectionTest, ListKeepsTheUsersOrder)
{
    TSectionList list;
    EXPECT_EQ(list.Add(Section({100})), 0);
    EXPECT_EQ(list.Add(Section({200})), 1);
    list.Insert(1, Section({150})); // a duplicate goes in after its original
    list.Insert(3, Section({300}));
    ASSERT_EQ(list.Count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list.Items(i).Spans[0], (std::vector<double> {100, 150, 200, 300}[i]));
    list.Delete(0);
    EXPECT_EQ(list.Items(0).Spans[0], 150);
    EXPECT_THROW(list.Insert(5, Section({1})), std::out_of_range);
    EXPECT_THROW(list.Delete(3), std::out_of_range);
    EXPECT_THROW(list.Items(3), std::out_of_range);
}

TEST(SectionTest, ProjectChangeTestSeesTheSections)
{
    TProject saved;
    saved.Sections.Add(Section({120, 150}));
    TProject edited;
    edited.Assign(saved);
    EXPECT_TRUE(edited.IsEqual(saved));

    const auto differs = [&](auto change) {
        edited.Assign(saved);
        change(edited.Sections.Items(0));
        return !edited.IsEqual(saved);
    };
    EXPECT_TRUE(differs([](TSection &s) { s.Name = "АУ 2"; }));
    EXPECT_TRUE(differs([](TSection &s) { s.Spans = {150, 120}; })) << "order matters";
    EXPECT_TRUE(differs([](TSection &s) { s.Spans.push_back(1); }));
    EXPECT_TRUE(differs([](TSection &s) { s.TFrom = std::nextafter(-40.0, 0.0); }));
    EXPECT_TRUE(differs([](TSection &s) { s.TTo = 35; }));
    EXPECT_TRUE(differs([](TSection &s) { s.TStep = 5; }));
    edited.Assign(saved);
    edited.Sections.Add(TSection {});
    EXPECT_FALSE(edited.IsEqual(saved));

    edited.SetDefaults();
    EXPECT_EQ(edited.Sections.Count(), 0);
}

} // namespace
} // namespace velmora

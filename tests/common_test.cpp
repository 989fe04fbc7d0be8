#include <qelunits/QelCommon.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

std::wstring text(const QelStringP& s) { return s.c_str(); }

std::vector<std::wstring> split(const wchar_t* input, const wchar_t* delimiter) {
    QelStringCollection* pieces = QelStringCollection::Create(QelStringP(input), delimiter, false);
    std::vector<std::wstring> out;
    for (unsigned int i = 0; i < pieces->GetCount(); ++i) {
        QelStringElement* element = pieces->GetElement(i);
        out.emplace_back(element->GetString().c_str());
        element->Dispose();
    }
    EXPECT_EQ(pieces->GetElement(pieces->GetCount()), nullptr);
    pieces->Dispose();
    return out;
}

TEST(QelStringP, NullAndEmptyTextsAreDistinct) {
    const QelStringP empty;
    const QelStringP null(nullptr, false);
    EXPECT_STREQ(static_cast<const wchar_t*>(empty), L"");
    EXPECT_EQ(static_cast<const wchar_t*>(null), nullptr);
    EXPECT_TRUE(null.IsNull());
    EXPECT_TRUE(empty == L"");
    EXPECT_FALSE(null == L"");
    EXPECT_TRUE(null == nullptr);
    EXPECT_STREQ(static_cast<const wchar_t*>(QelStringP::mEmptyString), L"");
    EXPECT_EQ(QelStringP(L"abc").GetLength(), 3U);
}

TEST(QelStringP, CopiesAreIndependentValues) {
    QelStringP a(L"meter");
    QelStringP b(a);
    b += QelStringP(L"s");
    EXPECT_EQ(text(a), L"meter");
    EXPECT_EQ(text(b), L"meters");
    a = b;
    EXPECT_EQ(text(a), L"meters");
    a = L"x";
    EXPECT_EQ(text(a), L"x");
    QelStringP moved(std::move(a));
    EXPECT_EQ(text(moved), L"x");
    QelStringP fromNull(nullptr, false);
    fromNull += QelStringP(L"y");
    EXPECT_EQ(text(fromNull), L"y");
    EXPECT_FALSE(fromNull.IsNull());
}

TEST(QelStringP, LeftAndRightSplitAtTheLastDelimiter) {
    struct Case {
        const wchar_t* input;
        const wchar_t* delimiter;
        const wchar_t* left;
        const wchar_t* right;
    };
    const Case cases[] = {
        {L"abc %1", L"%", L"abc ", L"1"},        {L"50% of %12", L"%", L"50% of ", L"12"},
        {L"no marker", L"%", L"no marker", L""}, {L"%", L"%", L"", L""},
        {L"a!s!b!s!c", L"!s!", L"a!s!b", L"c"},  {L"", L"%", L"", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "input " << std::wstring(c.input).size());
        const QelStringP s(c.input);
        EXPECT_EQ(text(s.Left(c.delimiter)), c.left);
        EXPECT_EQ(text(s.Right(c.delimiter)), c.right);
    }
}

TEST(QelStringP, MidIsHalfOpenAndClamped) {
    const QelStringP s(L"abcdef");
    EXPECT_EQ(text(s.Mid(0, 1, false)), L"a");
    EXPECT_EQ(text(s.Mid(2, 4, false)), L"cd");
    EXPECT_EQ(text(s.Mid(5, 9, false)), L"f");
    EXPECT_EQ(text(s.Mid(7, 8, false)), L"");
    EXPECT_EQ(text(s.Mid(3, 2, false)), L"");
}

TEST(QelStringP, IsNumberMeansDecimalDigitsOnly) {
    EXPECT_TRUE(QelStringP(L"7").IsNumber());
    EXPECT_TRUE(QelStringP(L"0123").IsNumber());
    EXPECT_FALSE(QelStringP(L"").IsNumber());
    EXPECT_FALSE(QelStringP(L"x").IsNumber());
    EXPECT_FALSE(QelStringP(L"1.5").IsNumber());
    EXPECT_FALSE(QelStringP(L"-1").IsNumber());
    EXPECT_FALSE(QelStringP(L"\u0661").IsNumber()); // an Arabic-Indic digit is not 0 to 9
}

TEST(QelStringP, FormatProducesTheText) {
    EXPECT_EQ(text(QelStringP::Format(L"Types Not Compatible")), L"Types Not Compatible");
    EXPECT_EQ(text(QelStringP::Format(L"%d %ls", 42, L"ft")), L"42 ft");
    const std::wstring longText(5000, L'x');
    EXPECT_EQ(text(QelStringP::Format(L"%ls", longText.c_str())), longText);
}

TEST(QelStringCollection, SplitsAtWholeDelimitersKeepingEmptyPieces) {
    using Pieces = std::vector<std::wstring>;
    EXPECT_EQ(split(L"a;b;c", L";"), (Pieces{L"a", L"b", L"c"}));
    EXPECT_EQ(split(L"a;;b", L";"), (Pieces{L"a", L"", L"b"}));
    EXPECT_EQ(split(L";a;", L";"), (Pieces{L"", L"a", L""}));
    EXPECT_EQ(split(L"abc", L";"), (Pieces{L"abc"}));
    EXPECT_EQ(split(L"", L";"), Pieces{});
    EXPECT_EQ(split(L"ab!s!cd", L"!s!"), (Pieces{L"ab", L"cd"}));
    EXPECT_EQ(split(L"a!sb!s!!s!", L"!s!"), (Pieces{L"a!sb", L"", L""}));
    EXPECT_EQ(split(L"s!", L"!s!"), (Pieces{L"s!"}));
}

TEST(QelException, IsThrownAsAPointerAndCarriesItsMessage) {
    const QelStringP message = QelException::NLSGetMessage(9014, "QEL_14_NULLSTRING");
    EXPECT_EQ(text(message), L"QEL_14_NULLSTRING");
    try {
        throw QelException::Create(message);
    } catch (QelIDisposable* caught) {
        auto* exception = dynamic_cast<QelException*>(caught);
        ASSERT_NE(exception, nullptr);
        EXPECT_STREQ(exception->GetMessage(), L"QEL_14_NULLSTRING");
        caught->Dispose();
    }
}

} // namespace

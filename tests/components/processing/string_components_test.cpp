#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "components/processing/block_find.h"
#include "components/processing/str_cat.h"
#include "tests/components/processing/block_find_reference.h"
#include "tests/components/processing/probe.h"

namespace {

using StrCatTest = LiveNetworkTest;
using BlockFindTest = LiveNetworkTest;

// A block search wired to probes on all three events, sharing one log.
struct FindCircuit {
  std::vector<std::string> log;
  TVMBlockFind find;
  TProbe blocks{"block", &log}, missing{"missing", &log}, rest{"rest", &log};

  FindCircuit(const std::string& start, const std::string& end) {
    find.StartMark = start;
    find.EndMark = end;
    find.OnBlock = blocks.Action();
    find.OnMissing = missing.Action();
    find.OnRest = rest.Action();
  }
  void Search(const std::string& text) {
    TVM_Event search = MakeEvent<&TVMBlockFind::Search>(&find);
    FireStr(search, text);
  }
  BlockSearchOutcome Outcome() const {
    return {blocks.Texts(), missing.Count() == 1, rest.Count() == 1 ? rest.Texts()[0] : "<none>"};
  }
};

void ExpectSameOutcome(const BlockSearchOutcome& got, const BlockSearchOutcome& want,
                       const std::string& what) {
  EXPECT_EQ(got.Blocks, want.Blocks) << what;
  EXPECT_EQ(got.Missing, want.Missing) << what;
  EXPECT_EQ(got.Rest, want.Rest) << what;
}

TEST_F(StrCatTest, JoinsIncomingTextWithSeparator) {
  TVMStrCat cat;
  cat.Text2 = ",";
  TProbe out;
  cat.OnConcat = out.Action();
  TVM_Event concat = MakeEvent<&TVMStrCat::Concat>(&cat);
  FireStr(concat, "abc");
  FireStr(concat, "");
  EXPECT_EQ(out.Texts(), (std::vector<std::string>{"abc,", ","}));
  EXPECT_EQ(out.Kinds(), (std::vector<uint8_t>{kKindString, kKindString}));
  EXPECT_EQ(cat.Result, ",");
}

TEST_F(StrCatTest, PropertiesAndInputsTakePrecedenceOverIncomingValue) {
  TVMStrCat cat;
  TProbe out, second;
  cat.OnConcat = out.Action();
  TVM_Event concat = MakeEvent<&TVMStrCat::Concat>(&cat);

  cat.Text1 = "head";
  cat.Text2 = ",";
  FireStr(concat, "ignored");
  EXPECT_EQ(out.Texts().back(), "head,");

  // Both empty: the first text takes the incoming value, the second finds
  // it consumed.
  cat.Text1.clear();
  cat.Text2.clear();
  FireStr(concat, "x");
  EXPECT_EQ(out.Texts().back(), "x");

  // A connected input wins over the property.
  SetStrValue(second.Answer, "[in]");
  cat.Text2 = ",";
  cat.Text2Input = second.Point();
  FireStr(concat, "y");
  EXPECT_EQ(out.Texts().back(), "y[in]");
  EXPECT_EQ(second.Reads, 1);

  // A point answering "Break" counts as unconnected.
  second.Answer.Kind = kKindBreak;
  FireStr(concat, "z");
  EXPECT_EQ(out.Texts().back(), "z,");
}

TEST_F(BlockFindTest, FiresEachBlockThenPassesTheTextOn) {
  FindCircuit c("/", "\\");
  c.Search("a/b\\c/d\\e");
  EXPECT_EQ(c.log, (std::vector<std::string>{"block:b", "block:d", "rest:a/b\\c/d\\e"}));

  // A trailing start mark without an end: OnMissing after the blocks,
  // before OnRest.
  FindCircuit open("/", "\\");
  open.Search("a/b\\c/d\\e/");
  EXPECT_EQ(open.log,
            (std::vector<std::string>{"block:b", "block:d", "missing:", "rest:a/b\\c/d\\e/"}));
  EXPECT_EQ(open.missing.Kinds(), std::vector<uint8_t>{kKindNull});
}

TEST_F(BlockFindTest, EmptyOrAbsentMarksFindNothing) {
  for (auto [start, end, text] : {std::tuple{"", "\\", "a/b\\"}, std::tuple{"/", "", "a/b\\"},
                                  std::tuple{"#", "!", "no marks"}, std::tuple{"/", "\\", ""}}) {
    FindCircuit c(start, end);
    c.find.Cut = true;
    c.find.Replace = "R";
    c.Search(text);
    EXPECT_EQ(c.blocks.Count(), 0u) << start << end << text;
    EXPECT_EQ(c.missing.Count(), 1u);
    EXPECT_EQ(c.rest.Texts(), std::vector<std::string>{text});
  }
}

TEST_F(BlockFindTest, CutsPairsOfMarksAndContinuesAfterTheReplacement) {
  FindCircuit marker("/", "/");
  marker.find.IncludeMarks = true;
  marker.find.Cut = true;
  marker.find.Replace = "\\/";
  marker.Search("x//y//z");
  EXPECT_EQ(marker.blocks.Texts(), (std::vector<std::string>{"//", "//"}));
  EXPECT_EQ(marker.rest.Texts(), std::vector<std::string>{"x\\/y\\/z"});
  EXPECT_EQ(marker.missing.Count(), 0u);

  // Without IncludeMarks only the content goes; the marks stay.
  FindCircuit inner("[", "]");
  inner.find.Cut = true;
  inner.Search("[abc]");
  EXPECT_EQ(inner.blocks.Texts(), std::vector<std::string>{"abc"});
  EXPECT_EQ(inner.rest.Texts(), std::vector<std::string>{"[]"});
  inner.Search("a[bc]d[e]f");
  EXPECT_EQ(inner.rest.Texts().back(), "a[]d[]f");

  // Replacements shorter, as long as and longer than what they replace.
  inner.find.Replace = "xx";
  inner.Search("[abc]-[de]-[f]-[]!");
  EXPECT_EQ(inner.rest.Texts().back(), "[xx]-[xx]-[xx]-[xx]!");

  // The component-section cut: everything up to the header's end becomes
  // one blank, and each further pair likewise.
  FindCircuit prefix("#Bremlitz", "Skip,Name");
  prefix.find.Cut = true;
  prefix.find.Replace = " ";
  prefix.Search("#Bremlitz m//#stack Skip,Name//R1,// #Bremlitz2Skip,Name#Bremlitz");
  EXPECT_EQ(prefix.rest.Texts(),
            std::vector<std::string>{"#Bremlitz Skip,Name//R1,// #Bremlitz Skip,Name#Bremlitz"});
  EXPECT_EQ(prefix.blocks.Texts(), (std::vector<std::string>{" m//#stack ", "2"}));
  EXPECT_EQ(prefix.missing.Count(), 1u);  // the last start mark has no end
}

TEST_F(BlockFindTest, CutOnConditionReadsTheConditionBeforeEachCut) {
  FindCircuit c("<", ">");
  c.find.Cut = true;
  c.find.CutOnCondition = true;
  c.find.Replace = "_";
  TProbe condition;
  std::vector<int> answers{1, 0, 1};
  size_t asked = 0;
  condition.AnswerWith = [&](TData& data) { SetIntValue(data, answers[asked++ % answers.size()]); };
  c.find.Condition = condition.Point();
  c.Search("<a><b><c>");
  EXPECT_EQ(condition.Reads, 3);
  EXPECT_EQ(c.blocks.Texts(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(c.rest.Texts(), std::vector<std::string>{"<_><b><_>"});

  // An unconnected condition reads 0: nothing is cut, and the next start
  // is searched from the end mark on.
  FindCircuit same("/", "/");
  same.find.IncludeMarks = true;
  same.find.Cut = true;
  same.find.CutOnCondition = true;
  same.Search("/a/b/");
  EXPECT_EQ(same.blocks.Texts(), (std::vector<std::string>{"/a/", "/b/"}));
  EXPECT_EQ(same.rest.Texts(), std::vector<std::string>{"/a/b/"});
}

TEST_F(BlockFindTest, StopFlagSetByAReceiverEndsTheSearchBeforeTheCut) {
  FindCircuit c("<", ">");
  c.find.Cut = true;
  c.find.IncludeMarks = true;
  c.blocks.Then = [&](TData&, uint16_t) {
    if (c.blocks.Count() == 2) c.find.StopFlag = true;
  };
  c.Search("<a>-<b>-<c>");
  EXPECT_EQ(c.log, (std::vector<std::string>{"block:<a>", "block:<b>", "rest:-<b>-<c>"}));
  // The flag is cleared by the next search.
  c.blocks.Then = nullptr;
  c.Search("<d><e>");
  EXPECT_EQ(c.rest.Texts().back(), "");
}

TEST_F(BlockFindTest, TextInputWinsOverTheIncomingValue) {
  FindCircuit c("(", ")");
  TProbe source;
  SetStrValue(source.Answer, "(from point)");
  c.find.Text = source.Point();
  c.Search("(incoming)");
  EXPECT_EQ(c.blocks.Texts(), std::vector<std::string>{"from point"});
  EXPECT_EQ(c.rest.Texts(), std::vector<std::string>{"(from point)"});
}

TEST_F(BlockFindTest, ReentrantSearchFromABlockReceiverKeepsBothTexts) {
  // The line marker fires each pair into a second search of the same
  // component; the outer search must still finish on its own text.
  FindCircuit c("<", ">");
  c.find.Cut = true;
  c.find.Replace = "#";
  int depth = 0;
  c.blocks.Then = [&](TData& data, uint16_t) {
    if (depth++ == 0) c.Search("<inner>");
  };
  c.Search("<a><b>");
  EXPECT_EQ(c.rest.Texts(), (std::vector<std::string>{"<#>", "<#><#>"}));
}

TEST_F(BlockFindTest, MatchesTheInPlaceSearchOnRandomTextsAndMarks) {
  std::mt19937 rng(3);
  const std::string alphabet = "//\\\\ab#,";
  std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> len(0, 40), markLen(0, 3), coin(0, 1), stop(0, 4);
  auto text = [&](int n) {
    std::string t;
    while (n-- > 0) t += alphabet[letter(rng)];
    return t;
  };
  for (int round = 0; round < 3000; ++round) {
    BlockSearchSettings set;
    set.StartMark = text(markLen(rng));
    set.EndMark = text(markLen(rng));
    set.Replace = text(markLen(rng));
    set.IncludeMarks = coin(rng);
    set.Cut = coin(rng);
    set.CutOnCondition = coin(rng);
    set.StopAfterBlock = static_cast<size_t>(stop(rng));
    std::vector<int> answers{coin(rng), coin(rng), coin(rng)};
    size_t asked = 0;
    set.Condition = [&] { return answers[asked++ % 3]; };
    const std::string input = text(len(rng));

    FindCircuit c(set.StartMark, set.EndMark);
    c.find.Replace = set.Replace;
    c.find.IncludeMarks = set.IncludeMarks;
    c.find.Cut = set.Cut;
    c.find.CutOnCondition = set.CutOnCondition;
    TProbe condition;
    size_t componentAsked = 0;
    condition.AnswerWith = [&](TData& d) { SetIntValue(d, answers[componentAsked++ % 3]); };
    c.find.Condition = condition.Point();
    c.blocks.Then = [&](TData&, uint16_t) {
      if (c.blocks.Count() == set.StopAfterBlock) c.find.StopFlag = true;
    };
    c.Search(input);
    BlockSearchOutcome want = ReferenceBlockSearch(input, set);
    ExpectSameOutcome(c.Outcome(), want, "text '" + input + "' marks '" + set.StartMark + "' '" +
                                             set.EndMark + "' replace '" + set.Replace + "'");
    EXPECT_EQ(componentAsked, asked);
    if (HasFailure()) break;
  }
}

}  // namespace

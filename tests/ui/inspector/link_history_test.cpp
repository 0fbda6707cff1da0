#include "ui/inspector/link_history.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnwick {
namespace {

// One step of a walk through linked chunks, and what it must give.
struct Step {
    enum Kind { Follow, Back, Forward, Clear } kind;
    ChunkNumber chunk;     // Follow: the chunk left; Back, Forward: the chunk shown
    ChunkNumber expected;  // Back, Forward: the chunk they go to, 0 for none
    bool canGoBack;
    bool canGoForward;
};

struct Walk {
    const char* name;
    std::vector<Step> steps;
};

// A chunk of the one file these walks stay in.
LinkStop InFile(ChunkNumber chunk) { return {"a.iff", "", chunk}; }

const Walk kWalks[] = {
    {"nothing to go to at first", {{Step::Back, 5, 0, false, false}, {Step::Forward, 5, 0, false, false}}},
    {"back twice, then forward twice",
     {{Step::Follow, 1, 0, true, false},
      {Step::Follow, 2, 0, true, false},
      {Step::Back, 3, 2, true, true},
      {Step::Back, 2, 1, false, true},
      {Step::Back, 1, 0, false, true},
      {Step::Forward, 1, 2, true, true},
      {Step::Forward, 2, 3, true, false},
      {Step::Forward, 3, 0, true, false}}},
    {"following after going back forgets what lay ahead",
     {{Step::Follow, 1, 0, true, false},
      {Step::Follow, 2, 0, true, false},
      {Step::Back, 3, 2, true, true},
      {Step::Follow, 2, 0, true, false},
      {Step::Back, 7, 2, true, true},
      {Step::Back, 2, 1, false, true},
      {Step::Forward, 1, 2, true, true},
      {Step::Forward, 2, 7, true, false}}},
    {"chunk 0 is never recorded",
     {{Step::Follow, 0, 0, false, false},
      {Step::Follow, 4, 0, true, false},
      {Step::Back, 0, 4, false, false},
      {Step::Forward, 4, 0, false, false}}},
    {"clearing forgets both ways",
     {{Step::Follow, 1, 0, true, false},
      {Step::Follow, 2, 0, true, false},
      {Step::Back, 3, 2, true, true},
      {Step::Clear, 0, 0, false, false},
      {Step::Back, 2, 0, false, false}}},
};

TEST(LinkHistory, GoesBackAndForwardAsABrowserDoes)
{
    for (const Walk& walk : kWalks) {
        LinkHistory history;
        for (std::size_t i = 0; i < walk.steps.size(); ++i) {
            const Step& step = walk.steps[i];
            switch (step.kind) {
            case Step::Follow:
                history.Followed(InFile(step.chunk));
                break;
            case Step::Back:
                EXPECT_EQ(history.Back(InFile(step.chunk)).chunk, step.expected)
                    << walk.name << ", step " << i;
                break;
            case Step::Forward:
                EXPECT_EQ(history.Forward(InFile(step.chunk)).chunk, step.expected)
                    << walk.name << ", step " << i;
                break;
            case Step::Clear:
                history.Clear();
                break;
            }
            EXPECT_EQ(history.CanGoBack(), step.canGoBack) << walk.name << ", step " << i;
            EXPECT_EQ(history.CanGoForward(), step.canGoForward) << walk.name << ", step " << i;
        }
    }
}

}  // namespace
}  // namespace tarnwick

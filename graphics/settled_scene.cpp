// Choosing, frame by frame, what the settled picture holds.
#include "graphics/settled_scene.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

uint32_t Bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

// Keys compare by their exact bits: an instance moved by the least amount is
// another instance.
bool Less(const SettledKey& a, const SettledKey& b) {
  if (a.model != b.model) return std::less<const Model*>()(a.model, b.model);
  const float* fa = &a.x;
  const float* fb = &b.x;
  for (int i = 0; i < 7; ++i) {
    if (Bits(fa[i]) != Bits(fb[i])) return Bits(fa[i]) < Bits(fb[i]);
  }
  return a.part < b.part;
}

bool SameView(const SettledView& a, const SettledView& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Marks in `mark` (by queue index) the items of `order` (indices into keys,
// sorted by key) that pair off with an equal key of `sorted`, one for one.
// Returns how many paired off.
size_t PairOff(const std::vector<SettledKey>& keys, const std::vector<int32_t>& order,
               const std::vector<SettledKey>& sorted, std::vector<uint8_t>* mark) {
  size_t paired = 0, j = 0;
  for (int32_t i : order) {
    while (j < sorted.size() && Less(sorted[j], keys[i])) ++j;
    if (j < sorted.size() && !Less(keys[i], sorted[j])) {
      (*mark)[i] = 1;
      ++paired;
      ++j;
    }
  }
  return paired;
}

}  // namespace

const SettledPlan& SettledScene::Plan(const SettledView& view, bool sceneBlank, const std::vector<SettledKey>& keys) {
  static_assert(sizeof(SettledView) == 10 * 4 + 9 * 4 + 4 * 4, "views compare byte for byte: no padding");
  plan_.settled.assign(keys.size(), 0);
  plan_.step = SettledStep::kDrawAll;
  // A layer drawn over the frame (a credit scene before its own camera) takes
  // no part: the picture and the last frame stay those of the frames' start.
  if (!sceneBlank) return plan_;
  if (!haveView_ || !SameView(view, view_)) {
    Forget();
    previous_.clear();
  }
  haveView_ = true;
  view_ = view;

  std::vector<int32_t> order;
  for (int32_t i = 0; i < int32_t(keys.size()); ++i) {
    if (keys[i].model != nullptr) order.push_back(i);
  }
  std::sort(order.begin(), order.end(), [&keys](int32_t a, int32_t b) { return Less(keys[a], keys[b]); });

  std::vector<uint8_t> wasThere(keys.size(), 0);  // unchanged since the last frame
  PairOff(keys, order, previous_, &wasThere);
  previous_.clear();
  for (int32_t i : order) previous_.push_back(keys[i]);

  if (pictureHeld_) {
    if (PairOff(keys, order, held_, &plan_.settled) == held_.size()) {
      // Items drawn afresh that stood still since the last frame join the
      // picture (a robot that stopped); until then the copy serves.
      bool newlyStill = false;
      for (int32_t i : order) newlyStill = newlyStill || (wasThere[i] != 0 && plan_.settled[i] == 0);
      if (!newlyStill) {
        plan_.step = SettledStep::kCopy;
        return plan_;
      }
    }
    pictureHeld_ = false;
  }
  held_.clear();
  int32_t heldMeshes = 0;
  for (int32_t i : order) {
    if (wasThere[i] == 0) continue;
    held_.push_back(keys[i]);
    heldMeshes += keys[i].meshCount;
  }
  if (heldMeshes < kFewestSettledMeshes) {
    held_.clear();
    plan_.settled.assign(keys.size(), 0);
    return plan_;
  }
  plan_.settled = wasThere;
  pictureHeld_ = true;
  plan_.step = SettledStep::kRedrawAndCopy;
  return plan_;
}

void SettledScene::Forget() {
  pictureHeld_ = false;
  held_.clear();
}

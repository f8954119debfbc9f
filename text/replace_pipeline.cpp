#include "text/replace_pipeline.h"

#include "text/byte_matcher.h"

#include <algorithm>
#include <cstring>

namespace pelorin::text {

namespace {

// Bytes with free room in front of them, so that a few bytes can be put
// before them without moving the rest.
class Window {
public:
    explicit Window(std::size_t room)
        : room_(room), begin_(room), end_(room), storage_(room, '\0') {}

    std::string_view View() const { return {storage_.data() + begin_, end_ - begin_}; }
    std::size_t Size() const { return end_ - begin_; }

    void Append(std::string_view bytes) {
        if (storage_.size() - end_ < bytes.size()) {
            // Move the bytes back to the front room, then grow if needed.
            if (begin_ > room_) {
                const std::size_t size = Size();
                std::memmove(storage_.data() + room_, storage_.data() + begin_, size);
                begin_ = room_;
                end_ = room_ + size;
            }
            if (storage_.size() - end_ < bytes.size())
                storage_.resize(std::max(2 * storage_.size(), end_ + bytes.size()));
        }
        std::memcpy(storage_.data() + end_, bytes.data(), bytes.size());
        end_ += bytes.size();
    }

    void DropFront(std::size_t n) { begin_ += n; }
    void KeepFront(std::size_t n) { end_ = begin_ + n; }

    // Puts `bytes` (at most the room in front) right before the content.
    void Prepend(std::string_view bytes) {
        begin_ -= bytes.size();
        std::memcpy(storage_.data() + begin_, bytes.data(), bytes.size());
    }

    std::size_t Room() const { return begin_; }

    void Clear() { begin_ = end_ = room_; }

    void Swap(Window& other) {
        storage_.swap(other.storage_);
        std::swap(begin_, other.begin_);
        std::swap(end_, other.end_);
    }

private:
    std::size_t room_;
    std::size_t begin_;
    std::size_t end_;
    std::string storage_;
};

// One step with the bytes it has received but not passed on yet. Its window
// always begins at a character boundary.
class Stage {
public:
    Stage(std::string_view sample, std::string_view pattern, std::string_view replacement,
          Encoding encoding, std::size_t room)
        : pattern_(pattern), replacement_(replacement), encoding_(encoding),
          matcher_(sample, pattern), window_(room), spare_(room) {}

    Window& Input() { return window_; }

    // Replaces what can be decided now and hands it to the next stage, or
    // appends it to `out` after the last. Unless this is the last call, the
    // bytes that may begin a match reaching into the next piece stay behind.
    void Pass(Stage* next, std::string& out, bool last) {
        const std::string_view text = window_.View();
        const std::size_t m = pattern_.size();
        const bool cp932 = encoding_ == Encoding::Cp932;
        std::size_t pos = 0; // scanned up to here; always a character boundary
        std::size_t copied = 0;
        auto emit = [&](std::string_view bytes) {
            if (next != nullptr)
                next->window_.Append(bytes);
            else
                out.append(bytes);
        };
        for (;;) {
            const std::size_t hit = matcher_.Next(text, pos);
            if (hit == std::string_view::npos)
                break;
            if (cp932 && !IsCp932Boundary(text, hit, pos)) {
                pos = hit + 1; // a trail byte: the next byte begins a character
                continue;
            }
            emit(text.substr(copied, hit - copied));
            emit(replacement_);
            copied = pos = hit + m;
        }
        std::size_t keep = text.size();
        if (!last) {
            // No match can begin before `cut` any more.
            const std::size_t cut = text.size() >= m ? text.size() - m + 1 : 0;
            keep = std::max(pos, cut);
            if (cp932 && keep > pos) {
                // Step back to a character boundary: lead-range bytes pair up
                // from the last byte that cannot lead.
                std::size_t i = keep;
                while (i > pos && IsCp932LeadByte(static_cast<unsigned char>(text[i - 1])))
                    --i;
                keep -= (keep - i) % 2;
            }
        }
        if (copied == 0 && next != nullptr && next->window_.Size() <= window_.Room()) {
            HandOver(*next, keep);
            return;
        }
        emit(text.substr(copied, keep - copied));
        window_.DropFront(keep);
    }

private:
    // Without a match the bytes go on unchanged: the next stage's few
    // pending bytes are put in front of them and the windows change hands,
    // instead of copying the whole piece.
    void HandOver(Stage& next, std::size_t keep) {
        spare_.Clear();
        spare_.Append(window_.View().substr(keep)); // stays here
        window_.KeepFront(keep);
        window_.Prepend(next.window_.View());
        window_.Swap(next.window_);
        window_.Swap(spare_);
    }

    std::string_view pattern_;
    std::string_view replacement_;
    Encoding encoding_;
    ByteMatcher matcher_;
    Window window_;
    Window spare_;
};

} // namespace

void ReplacePipeline::AddStep(std::string_view pattern, std::string_view replacement) {
    // An empty pattern never matches: such a step changes nothing.
    if (!pattern.empty())
        steps_.push_back({std::string(pattern), std::string(replacement)});
}

std::string ReplacePipeline::Run(std::string_view text, std::size_t pieceSize) const {
    if (steps_.empty() || text.empty())
        return std::string(text);
    pieceSize = std::max<std::size_t>(pieceSize, 1);
    std::size_t longest = 0;
    for (const Step& step : steps_)
        longest = std::max(longest, step.pattern.size());
    // Room for the pending bytes of every later stage in front of a piece.
    const std::size_t room = longest * steps_.size();
    std::vector<Stage> stages;
    stages.reserve(steps_.size());
    for (const Step& step : steps_)
        stages.emplace_back(text, step.pattern, step.replacement, encoding_, room);

    std::string out;
    out.reserve(text.size() + text.size() / 8 + 256);
    // While the steps work on one piece in the cache, the next piece of the
    // text and the result bytes of this piece are fetched from memory, a
    // share before each step, so that a text larger than the cache costs
    // hardly more per byte. (The loops stay inline: a helper holding only
    // prefetches counts as a function without effect and is dropped by the
    // optimiser.)
    const std::size_t share = (pieceSize / stages.size() + 63) & ~std::size_t{63};
    auto flow = [&](std::size_t nextPiece, bool last) {
        for (std::size_t k = 0; k < stages.size(); ++k) {
            // Stage k's share of the next piece: text bytes [begin, end).
            const std::size_t begin = std::min(nextPiece + k * share, text.size());
            const std::size_t end = std::min({begin + share, nextPiece + pieceSize, text.size()});
            for (std::size_t i = begin; i < end; i += 64)
                __builtin_prefetch(text.data() + i, 0, 0);
            // The same share of the result bytes the current piece is about
            // to fill: the last stage appends them at the result's end.
            const std::size_t outBegin = out.size() + (begin - std::min(nextPiece, begin));
            const std::size_t outEnd = std::min(outBegin + (end - begin), out.capacity());
            for (std::size_t i = outBegin; i < outEnd; i += 64)
                __builtin_prefetch(out.data() + i, 1, 3);
            stages[k].Pass(k + 1 < stages.size() ? &stages[k + 1] : nullptr, out, last);
        }
    };
    for (std::size_t offset = 0; offset < text.size(); offset += pieceSize) {
        stages.front().Input().Append(text.substr(offset, pieceSize));
        flow(offset + pieceSize, false);
    }
    flow(text.size(), true);
    return out;
}

} // namespace pelorin::text

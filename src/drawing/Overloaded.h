#pragma once

namespace quenaro {

/// One visitor of a std::variant made of several lambdas, one per alternative.
template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers that do not deduce an aggregate's arguments yet.
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

}  // namespace quenaro

#pragma once
// Fixed arrays with inclusive upper bounds: Array1<T>(name, 5) has elements 0..5.
// Every access is bounds-checked and throws OutOfBoundsException.
#include "platform/errors.h"
#include "platform/types.h"

#include <string>
#include <vector>

namespace platform {

template <class T>
class Array1 {
public:
    Array1(std::string name, Integer upper) : name_(std::move(name)), upper_(upper), items_(static_cast<size_t>(upper + 1)) {}

    T& operator()(Integer i) { return items_[index(i)]; }
    const T& operator()(Integer i) const { return items_[index(i)]; }
    Integer Ubound() const { return upper_; }
    void Fill(const T& value) { items_.assign(items_.size(), value); }

private:
    size_t index(Integer i) const
    {
        if (i < 0 || i > upper_)
            throw OutOfBoundsException(name_ + "(" + std::to_string(i) + ") is outside 0.." + std::to_string(upper_));
        return static_cast<size_t>(i);
    }

    std::string name_;
    Integer upper_;
    std::vector<T> items_;
};

template <class T>
class Array2 {
public:
    Array2(std::string name, Integer upper1, Integer upper2)
        : name_(std::move(name)), upper1_(upper1), upper2_(upper2),
          items_(static_cast<size_t>((upper1 + 1) * (upper2 + 1)))
    {
    }

    T& operator()(Integer i, Integer j) { return items_[index(i, j)]; }
    const T& operator()(Integer i, Integer j) const { return items_[index(i, j)]; }
    Integer Ubound(int dimension) const { return dimension == 1 ? upper1_ : upper2_; }
    void Fill(const T& value) { items_.assign(items_.size(), value); }

private:
    size_t index(Integer i, Integer j) const
    {
        if (i < 0 || i > upper1_ || j < 0 || j > upper2_)
            throw OutOfBoundsException(name_ + "(" + std::to_string(i) + ", " + std::to_string(j) + ") is outside (0.." +
                                       std::to_string(upper1_) + ", 0.." + std::to_string(upper2_) + ")");
        return static_cast<size_t>(i * (upper2_ + 1) + j);
    }

    std::string name_;
    Integer upper1_;
    Integer upper2_;
    std::vector<T> items_;
};

} // namespace platform

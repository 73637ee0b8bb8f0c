#include "forms/scene.h"

#include <algorithm>

namespace forms {

PictureElement::PictureElement(Scene& scene, std::string name, int index, Rect rect)
    : scene_(scene), name_(std::move(name)), index_(index), rect_(rect) {}

std::string PictureElement::label() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void PictureElement::changed() {
    if (visible_ && picture_ != nullptr) scene_.markDirty(rect_);
}

void PictureElement::setVisible(bool on) {
    if (visible_ == on) return;
    if (visible_) changed();
    visible_ = on;
    changed();
}

void PictureElement::setPicture(const Picture* p) {
    if (picture_ == p) return;
    changed();
    picture_ = p;
    changed();
}

void PictureElement::moveTo(Point topLeft) {
    if (rect_.x == topLeft.x && rect_.y == topLeft.y) return;
    changed();
    rect_.x = topLeft.x;
    rect_.y = topLeft.y;
    changed();
}

PictureElement& Scene::addBelow(std::string name, int index, Rect rect) {
    elements_.push_back(std::make_unique<PictureElement>(*this, std::move(name), index, rect));
    bottomToTop_.insert(bottomToTop_.begin(), elements_.back().get());
    return *elements_.back();
}

const Picture& Scene::addPicture(std::string key, int width, int height) {
    return pictures_.emplace_back(std::move(key), width, height);
}

PictureElement* Scene::find(const std::string& name, int index) const {
    for (const auto& e : elements_)
        if (e->index() == index && e->name() == name) return e.get();
    return nullptr;
}

std::vector<const Picture*> Scene::pictures() const {
    std::vector<const Picture*> out;
    for (const auto& p : pictures_) out.push_back(&p);
    return out;
}

PictureElement* Scene::hitTest(PointF p) const {
    for (const auto& e : elements_) {
        if (!e->visible() || !e->enabled()) continue;
        if (e->role() == MouseRole::None || e->role() == MouseRole::Store) continue;
        if (e->rect().contains(p)) return e.get();
    }
    return nullptr;
}

PictureElement* Scene::topmostAt(PointF p) const {
    for (const auto& e : elements_)
        if (e->visible() && e->enabled() && e->rect().contains(p)) return e.get();
    return nullptr;
}

void Scene::markDirty(Rect r) {
    const int32_t x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
    const int32_t x1 = std::min(r.right(), width_), y1 = std::min(r.bottom(), height_);
    if (x1 <= x0 || y1 <= y0) return;
    dirty_.push_back({x0, y0, x1 - x0, y1 - y0});
}

std::vector<Rect> Scene::takeDirty() {
    std::vector<Rect> out;
    out.swap(dirty_);
    return out;
}

}  // namespace forms

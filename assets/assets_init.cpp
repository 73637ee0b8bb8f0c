// The pictures are linked in as a Qt resource of this library.
namespace drellok_assets {
int linked() {
    return 1;
}
}  // namespace drellok_assets

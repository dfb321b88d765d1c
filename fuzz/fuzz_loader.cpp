// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
F // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
g // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
'    // Entries without an item are empty, but for the failing line' s,
    which keeps its name.for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
w // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
, // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
L // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
B // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
w // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
C // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
, // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
- // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
. // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
, // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
w // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
w // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
- // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
w // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
. // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
L // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
y // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
g // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } E // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } x // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } R // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
. // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
T // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
, // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
y // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
, // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
v // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
g // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
g // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
. // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
#// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
. // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
#// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
1 // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
. // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
#// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
z // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
z // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
_ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
. // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
#// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
< // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
Q // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
A // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
> // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
#// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
< // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
Q // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
C // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
B // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
x // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
> // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
#// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
< // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
> // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
x // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
C // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
L // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
L // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
V // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
M // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
F // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
z // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
z // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
I // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
z // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } * // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }, // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } h // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } * // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } * // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } * // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
{ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    q // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    p // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    u // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    v // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    ( // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } "    // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } Q // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } T // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } Q // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } P // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } A // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } P // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } L // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } A // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } T // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } F // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } O // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } R // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } M // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } "    // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }, // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } "    // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } f // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } f // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } "    // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    g // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    = // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    1 // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    h // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    [ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }] // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    = // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    "    // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    f // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    u // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    z // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    z // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    _ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    "    // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    h // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    * // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    g // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    v // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    [ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }] // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    = // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    { // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        a // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        m // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        , // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        u // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        l // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        l // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        p // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
        {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
    } // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    Q // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    A // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    p // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    p // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    p // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    p // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    ( // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } g // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }, // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } g // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } v // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    F // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    1 // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    = // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    w // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    T // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    F // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    1 // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    u // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    0 // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
} // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
x // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
C // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
"    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
L // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
L // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
V // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
M // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
F // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
z // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
z // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
T // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
O // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
I // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } : // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } : // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } u // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } 8 // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } * // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }, // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } : // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } : // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } z // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } z // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
{ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
g // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
y // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
= // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
E // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
x // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
R // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } : // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } : // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } g // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } v // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } w // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }( // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } p // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }< // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } c // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } c // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } h // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } a // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } * // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }> // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }( // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } d // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } a // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } a // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }, // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } z // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
g // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
p // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
= // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
S // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
F // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } "    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }. // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } "    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } ! // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } W // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } F // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }( // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } p // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } h // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }, // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } b // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } y // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
0 // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
= // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
y // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
{ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    L // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    B // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    w // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    C // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    ( // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } F // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } 1 // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }, // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } Q // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } S // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } g // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } : // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } : // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } f // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } S // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } S // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } g // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }( // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } p // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } a // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } h // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
} // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } E // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } C // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } v // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } E // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } & // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
{ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    f // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    = // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    u // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
} // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
= // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
F // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
1 // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
- // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
> // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
B // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
w // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
C // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
- // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
> // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } m // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } > // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } k // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } B // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } w // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } C // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } l // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } C // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } u // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } | // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } | // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
                // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } F // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } o // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } r // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } m // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } 1 // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } - // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } > // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } c // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } m // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } b // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } B // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } r // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } o // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } w // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } s // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } e // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } r // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } C // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } o // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } l // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } o // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } r // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } - // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } > // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } c // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } u // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } I // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } d // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } x // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }( // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                }) // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } ! // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } = // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } - // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } 1 // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
/ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
E // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
v // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
y // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
y // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
, // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
y // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
'    // Entries without an item are empty, but for the failing line' s,
    which keeps its name.for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
g // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
h // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
. // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } = // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } 0 // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } < // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } k // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } B // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } w // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } C // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } C // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } + // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } + // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
{ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    B // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    w // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    C // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    & // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    y // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    = // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    F // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    1 // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    - // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    > // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    b // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    w // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    C // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    [ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } < // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }: // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }: // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } z // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } > // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }( // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } i // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }] // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }; // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    f // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    ( // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } y // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
                . // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } a // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } m // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }. // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } i // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } z // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }( // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                }) // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } > // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } = // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } k // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } B // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } w // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } C // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } L // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } L // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } g // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } h // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } | // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } | // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } y // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }. // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } c // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } l // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } > // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } 0 // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } x // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } F // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } F // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } F // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } F // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } F // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } F // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
    {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }< // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                }
                // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } i // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } t // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } e // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } m // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } s // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                }
                // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } & // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } & // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                }
                    // Entries without an item are empty, but for the failing line's, which keeps its name.
                    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                        if (!entry.name.empty() || entry.color != 0)
                            std::abort();
                    } F // Entries without an item are empty, but for the failing line's, which keeps its name.
                    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                        if (!entry.name.empty() || entry.color != 0)
                            std::abort();
                    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
                    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                        if (!entry.name.empty() || entry.color != 0)
                            std::abort();
                    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
                    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                        if (!entry.name.empty() || entry.color != 0)
                            std::abort();
                    } m // Entries without an item are empty, but for the failing line's, which keeps its name.
                    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                        if (!entry.name.empty() || entry.color != 0)
                            std::abort();
                    } 1 // Entries without an item are empty, but for the failing line's, which keeps its name.
                    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                        if (!entry.name.empty() || entry.color != 0)
                            std::abort();
                    } - // Entries without an item are empty, but for the failing line's, which keeps its name.
                    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                        if (!entry.name.empty() || entry.color != 0)
                            std::abort();
                    }> // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } c // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } m // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } b // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } B // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } w // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } C // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } l // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } - // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } > // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } T // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } x // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }( // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } i // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } ! // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } = // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } Q // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } S // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } g // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } : // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } : // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } m // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } L // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } l // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } 8 // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } B // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }( // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } y // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
            . // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }. // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }( // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }, // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } c // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }< // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } q // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } i // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } z // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } y // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } p // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }> // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }( // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } y // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
                . // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } n // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } a // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } m // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }. // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } i // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } z // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }( // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                }) // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
} // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
f // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } ! // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } f // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } d // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } & // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } & // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } ! // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } = // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } i // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } c // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }< // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }> // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }( // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } F // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } m // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } 1 // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } - // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } > // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } b // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } w // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } C // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }. // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } z // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }( // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } & // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } & // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } i // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } > // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } 0 // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
        // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } & // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    } & // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }

            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }
            // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } ! // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } F // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } o // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } r // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } m // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } 1 // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } - // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } > // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } b // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } w // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } C // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } l // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } o // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } r // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } s // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } [ // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } a // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } i // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } c // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } c // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } a // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } < // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } d // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }: // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                }: // Entries without an item are empty, but for the failing line's, which keeps its name.
                    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                        if (!entry.name.empty() || entry.color != 0)
                            std::abort();
                    } s // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } i // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } z // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } e // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } _ // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } t // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            } > // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }( // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } i // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } t // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } e // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } m // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                } s // Entries without an item are empty, but for the failing line's, which keeps its name.
                for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                    if (!entry.name.empty() || entry.color != 0)
                        std::abort();
                }) // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }] // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }
            . // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } n // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } a // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }. // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } e // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } m // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } p // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } t // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        } y // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }( // Entries without an item are empty, but for the failing line's, which keeps its name.
            for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
                const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
                if (!entry.name.empty() || entry.color != 0)
                    std::abort();
            }) // Entries without an item are empty, but for the failing line's, which keeps its name.
        for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
            const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
            if (!entry.name.empty() || entry.color != 0)
                std::abort();
        }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
s // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
d // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
:    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
a // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
b // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
o // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
( // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }) // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
e // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
t // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
u // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
r // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
n // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
0 // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i)
{
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}; // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}
} // Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

// Entries without an item are empty, but for the failing line's, which keeps its name.
for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
    const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
    if (!entry.name.empty() || entry.color != 0)
        std::abort();
}

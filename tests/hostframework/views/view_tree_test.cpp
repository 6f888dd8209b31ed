#include "tests/hostframework/views/view_test.h"

#include "platform/four_char_code.h"

#include <memory>

namespace {

using kravo::test::RecordingView;
using kravo::test::ViewTest;

class ViewTree : public ViewTest {};

// A view that writes its name into `deaths` when it is destroyed, marked when it was still linked.
class DyingView : public CPlugInView {
public:
    explicit DyingView(std::string name) : name(std::move(name)) {}
    ~DyingView() override { deaths().push_back(name + (GetParent() != nullptr ? " linked" : "")); }
    static std::vector<std::string>& deaths()
    {
        static std::vector<std::string> list;
        return list;
    }
    std::string name;
};

// A view that logs its connections.
class ConnectingView : public RecordingView {
public:
    using RecordingView::RecordingView;
    void Connect() override
    {
        log.push_back(name + " Connect");
        RecordingView::Connect();
    }
    void Disconnect() override
    {
        log.push_back(name + " Disconnect");
        RecordingView::Disconnect();
    }
};

TEST_F(ViewTree, NestedAddingEntersTheFirstEnclosingChildElseAppends)
{
    CPlugInView root;
    root.SetFrame({0, 0, 100, 100});
    auto* left = view("left", {0, 0, 100, 50});
    auto* right = view("right", {0, 50, 100, 100});
    root.AddSubView(left, true);
    root.AddSubView(right, true);
    auto* inLeft = view("inLeft", {10, 10, 20, 20});
    auto* onEdge = view("onEdge", {0, 50, 100, 100}); // enclosed by "right" exactly
    auto* across = view("across", {10, 40, 20, 60});   // in no child
    root.AddSubView(inLeft, true);
    root.AddSubView(onEdge, true);
    root.AddSubView(across, true);
    root.AddSubView(nullptr, true);

    EXPECT_EQ(inLeft->GetParent(), left);
    EXPECT_EQ(onEdge->GetParent(), right);
    EXPECT_EQ(across->GetParent(), &root);
    EXPECT_EQ(root.GetFirstSubView(), left);
    EXPECT_EQ(left->GetNextSibling(), right);
    EXPECT_EQ(right->GetNextSibling(), across);
    EXPECT_EQ(across->GetNextSibling(), nullptr);

    // Without nest, a view goes to the end whatever its frame.
    auto* flat = view("flat", {10, 10, 20, 20});
    root.AddSubView(flat, false);
    EXPECT_EQ(across->GetNextSibling(), flat);
    EXPECT_EQ(flat->GetParent(), &root);
    EXPECT_EQ(inLeft->GetRootView(), &root);
}

TEST_F(ViewTree, RemovingUnlinksAChildAndOnlyClearsTheLinksOfAStranger)
{
    CPlugInView root;
    auto* first = view("first", {});
    auto* second = view("second", {});
    auto* third = view("third", {});
    for (CPlugInView* child : {first, second, third})
        root.AddSubView(child, false);

    root.RemoveSubView(second);
    EXPECT_EQ(first->GetNextSibling(), third);
    EXPECT_EQ(second->GetParent(), nullptr);
    EXPECT_EQ(second->GetNextSibling(), nullptr);
    root.RemoveSubView(first);
    EXPECT_EQ(root.GetFirstSubView(), third);

    // A view of another tree is no child here: only its own links go.
    CPlugInView other;
    auto* stranger = view("stranger", {});
    auto* after = view("after", {});
    other.AddSubView(stranger, false);
    other.AddSubView(after, false);
    root.RemoveSubView(stranger);
    EXPECT_EQ(stranger->GetParent(), nullptr);
    EXPECT_EQ(stranger->GetNextSibling(), nullptr);
    EXPECT_EQ(other.GetFirstSubView(), stranger);
    EXPECT_EQ(root.GetFirstSubView(), third);
    delete first;
    delete second;
    delete after; // the stranger's sibling link went with it

}

TEST_F(ViewTree, FindingByIDSearchesDirectChildrenFirstAndNeverFindsNONE)
{
    CPlugInView root;
    auto* outer = view("outer", {});
    auto* deep = view("deep", {});
    auto* direct = view("direct", {});
    root.AddSubView(outer, false);
    outer->AddSubView(deep, false);
    root.AddSubView(direct, false);
    deep->SetID(FourCharCode("Knob"));
    direct->SetID(FourCharCode("Knob"));
    EXPECT_EQ(root.FindSubViewByID(FourCharCode("Knob")), direct);
    direct->SetID(FourCharCode("Fadr"));
    EXPECT_EQ(root.FindSubViewByID(FourCharCode("Knob")), deep);
    EXPECT_EQ(root.FindSubViewByID(FourCharCode("Gone")), nullptr);
    // outer has no id, which is 'NONE': still nothing is found by it.
    EXPECT_EQ(root.FindSubViewByID(FourCharCode("NONE")), nullptr);
    EXPECT_EQ(root.FindSubViewByID(outer->GetID()), nullptr);
}

TEST_F(ViewTree, TheViewAtAPointIsTheDeepestFirstChildHoldingIt)
{
    CPlugInView root;
    root.SetFrame({0, 0, 100, 100});
    auto* panel = view("panel", {10, 10, 60, 60});
    auto* button = view("button", {20, 20, 30, 30});
    auto* overlapping = view("overlapping", {10, 10, 60, 60});
    root.AddSubView(panel, false);
    panel->AddSubView(button, false);
    root.AddSubView(overlapping, false);

    EXPECT_EQ(root.FindViewAtPoint({25, 25}), button);  // v, h
    EXPECT_EQ(root.FindViewAtPoint({50, 50}), panel);   // the first child wins over a later one
    EXPECT_EQ(root.FindViewAtPoint({80, 80}), &root);
    EXPECT_EQ(root.FindViewAtPoint({100, 5}), nullptr); // bottom edge is outside
    EXPECT_EQ(button->FindViewAtPoint({50, 50}), nullptr);
}

TEST_F(ViewTree, DestroyingAViewRemovesAndDeletesItsWholeSubtree)
{
    DyingView::deaths().clear();
    auto* root = new DyingView("root");
    auto* a = new DyingView("a");
    auto* b = new DyingView("b");
    root->AddSubView(a, false);
    root->AddSubView(b, false);
    a->AddSubView(new DyingView("a1"), false);
    a->AddSubView(new DyingView("a2"), false);
    b->AddSubView(new DyingView("b1"), false);
    delete root;
    // Each child is unlinked before it goes; the sanitizer's leak check sees that all of them go.
    EXPECT_EQ(DyingView::deaths(), (std::vector<std::string>{"root", "a", "a1", "a2", "b", "b1"}));

    // A child destroyed on its own leaves its parent's chain.
    CPlugInView parent;
    auto* first = new DyingView("first");
    auto* second = new DyingView("second");
    parent.AddSubView(first, false);
    parent.AddSubView(second, false);
    delete first;
    EXPECT_EQ(DyingView::deaths().back(), "first linked");
    EXPECT_EQ(parent.GetFirstSubView(), second);
    parent.DeleteSubViews();
    EXPECT_EQ(parent.GetFirstSubView(), nullptr);
    EXPECT_EQ(DyingView::deaths().back(), "second");
}

TEST_F(ViewTree, AViewLeavingTheTreeStopsBeingTheKeyFocus)
{
    CPlugInView root;
    root.SetFrame({0, 0, 100, 100});
    viewPort();
    root.SetPort(HostExtGetPort());
    root.Activate();
    auto* panel = view("panel", {0, 0, 50, 50});
    auto* field = view("field", {10, 10, 20, 20});
    root.AddSubView(panel, false);
    panel->AddSubView(field, false);
    field->takesFocus = true;
    field->SetEnabled(true);
    click(root, 15, 15);
    ASSERT_EQ(root.GetKeyFocus(), field);

    root.RemoveSubView(panel); // the focus leaves with its parent
    EXPECT_EQ(root.GetKeyFocus(), nullptr);
    root.AddSubView(panel, false);
    click(root, 15, 15);
    ASSERT_EQ(root.GetKeyFocus(), field);
    delete field;
    EXPECT_EQ(root.GetKeyFocus(), nullptr);
    EXPECT_FALSE(type(root, 'x'));
}

TEST_F(ViewTree, ActivationAndPortsReachEveryViewAndTheOriginFollowsThePort)
{
    CPlugInView root;
    auto* child = view("child", {});
    auto* grandchild = view("grandchild", {});
    root.AddSubView(child, false);
    child->AddSubView(grandchild, false);
    root.Activate();
    EXPECT_TRUE(grandchild->IsActive());
    root.Deactivate();
    EXPECT_FALSE(child->IsActive());

    HostPort port = viewPort({30, 20, 80, 90});
    root.SetPort(port);
    EXPECT_EQ(grandchild->GetPort(), port);
    // The origin is the port's top-left: focusing puts it back on the port as it was.
    HostExtSetOrigin(0, 0);
    grandchild->FocusView(nullptr);
    HostRect bounds{};
    HostExtGetPortBounds(port, &bounds);
    EXPECT_EQ(bounds.top, 30);
    EXPECT_EQ(bounds.left, 20);
    grandchild->UnfocusView();
    HostExtGetPortBounds(port, &bounds);
    EXPECT_EQ(bounds.top, 0);
    root.SetPort(nullptr);
    EXPECT_EQ(grandchild->GetPort(), nullptr);
}

TEST_F(ViewTree, TakingThePortAwayEndsKeyEditingWithoutAccepting)
{
    CPlugInView root;
    root.SetFrame({0, 0, 100, 100});
    root.SetPort(viewPort());
    root.Activate();
    auto* field = view("field", {10, 10, 20, 20});
    root.AddSubView(field, false);
    field->takesFocus = true;
    field->SetEnabled(true);
    click(root, 15, 15);
    log.clear();
    root.SetPort(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"field EndEdit(false)"}));
    EXPECT_EQ(root.GetKeyFocus(), nullptr);
}

TEST_F(ViewTree, InitializingTheRootConnectsTheTreeAndAChildConnectsNothing)
{
    ConnectingView root(log, "root");
    auto* child = new ConnectingView(log, "child");
    auto* grandchild = new ConnectingView(log, "grandchild");
    root.AddSubView(child, false);
    child->AddSubView(grandchild, false);
    child->Initialize();
    EXPECT_TRUE(log.empty());
    root.Initialize();
    EXPECT_EQ(log, (std::vector<std::string>{"root Connect", "child Connect", "grandchild Connect"}));
    log.clear();
    root.Disconnect();
    EXPECT_EQ(log, (std::vector<std::string>{"root Disconnect", "child Disconnect", "grandchild Disconnect"}));
}

TEST_F(ViewTree, IdleGoesDownTheTreeAndThenYieldsThroughTheGroup)
{
    RecordingView root(log, "root");
    auto* child = view("child", {});
    root.AddSubView(child, false);
    child->AddSubView(view("grandchild", {}), false);
    const HostEventRecord event = mouseDown(0, 0);
    root.Idle(&event);
    EXPECT_EQ(log, (std::vector<std::string>{"root Idle", "child Idle", "grandchild Idle"}));
    EXPECT_EQ(group.yields, 3); // each view yields after its children

    // Without a group nothing yields.
    gProcessGroup = nullptr;
    root.Idle(&event);
    EXPECT_EQ(group.yields, 3);
    gProcessGroup = &group;

    // A host that deletes the tree while a view lets it run: the walk stops there.
    auto* owner = new RecordingView(log, "owner");
    auto* first = new RecordingView(log, "first");
    owner->AddSubView(first, false);
    owner->AddSubView(new RecordingView(log, "second"), false);
    group.hostAction = [owner] { delete owner; };
    log.clear();
    owner->Idle(&event);
    EXPECT_EQ(log, (std::vector<std::string>{"owner Idle", "first Idle"}));
}

} // namespace

#!/usr/bin/env python3
"""Writes a realistic Quillmere scene file of N 3D objects, all selected.

    python3 scripts/make-scene.py N OUT [--seed S]

The rig: character models, each holding a skeleton chain (a root, nested
bones, an effector at the tip) and a few props, plus loose props at the scene
root and a few groups. Constraints come in mixed order and kinds: most carry
their kind's name, some were renamed by the user (kept, with their type),
some are near misses such as "Scaling Cns". Bones carry the skeleton's joint
operators, most of them an up-vector operator. Every 3D object is selected.

The file is written in the layout quillmere-host --out writes, so a run that
removes nothing writes back the same bytes. The same N and seed give the same
file. OUT may be - for standard output.
"""

import argparse
import json
import random
import sys

KINDS = ["Position Cns", "Orientation Cns", "Direction Cns", "Pose Cns",
         "Distance Cns", "ScalingCns", "Symmetry Cns"]
# Names a user might give a constraint, and near misses that must stay.
RENAMED = ["aim_hold", "follow_hip", "look_at", "stay_on_floor", "mirror_arm"]
NEAR_MISSES = ["Scaling Cns", "Position Cns1", "pose cns", "Direction  Cns"]
BONE_OPERATORS = ["SkeletonPrefRotOp", "SkeletonUpVectorOp", "SkeletonJointOp"]
PROP_OPERATORS = ["ClusterShapeCombiner", "GeometryOp"]


# The JSON of every fixed text, made once: json.dumps on each was a third of the time.
KIND_JSON = {kind: json.dumps(kind) for kind in KINDS}
RENAMED_JSON = [json.dumps(name) for name in RENAMED]
NEAR_MISS_JSON = [json.dumps(name) for name in NEAR_MISSES]


class RigMaker:
    """Builds the rig as a tree of [head, children] nodes, each head the
    object's JSON up to its children; the same random draws in the same
    order as ever, so a size and seed give the same file as before."""

    def __init__(self, count, seed):
        self.left = count
        self.random = random.Random(seed)
        self.names = []
        self.serial = 0

    def name(self, stem):
        self.serial += 1
        # Stems and numbers only: nothing JSON would escape.
        name = f"{stem}{self.serial}"
        self.names.append(name)
        self.left -= 1
        return name

    def constraints(self):
        chosen = []
        rnd = self.random
        choice = rnd.choice
        for _ in range(choice([0, 1, 2, 3, 4, 4, 5])):
            roll = rnd.random()
            kind = KIND_JSON[choice(KINDS)]
            if roll < 0.12:
                chosen.append(f'{{"name": {choice(RENAMED_JSON)}, "type": {kind}}}')
            elif roll < 0.18:
                chosen.append(choice(NEAR_MISS_JSON))
            else:
                chosen.append(kind)
        return chosen

    def obj(self, stem, cls, operators=()):
        head = f'{{"name": "{self.name(stem)}", "class": "{cls}"'
        constraints = self.constraints()
        if constraints:
            head += ', "constraints": [' + ", ".join(constraints) + "]"
        if operators:
            head += ', "operators": ["' + '", "'.join(operators) + '"]'
        return [head, None]

    def bone_operators(self):
        ops = list(BONE_OPERATORS)
        if self.random.random() < 0.15:
            ops.remove("SkeletonUpVectorOp")
        self.random.shuffle(ops)
        return ops

    def chain(self, stem):
        """A root holding nested bones, the effector under the last bone."""
        root = self.obj(f"{stem}_root", "ChainRoot")
        parent = root
        for _ in range(self.random.randint(1, 4)):
            if self.left <= 1:
                break
            bone = self.obj(f"{stem}_bone", "ChainBone", self.bone_operators())
            parent[1] = [bone]
            parent = bone
        if self.left > 0:
            parent[1] = (parent[1] or []) + [self.obj(f"{stem}_eff", "ChainEffector")]
        return root

    def character(self, index):
        # Models are moved as a whole here: their constraints are drawn, as
        # ever, and dropped.
        model = [f'{{"name": "{self.name(f"char{index}_")}", "class": "Model"', None]
        self.constraints()
        children = []
        for limb in range(self.random.randint(1, 4)):
            if self.left <= 0:
                break
            children.append(self.chain(f"c{index}_{limb}"))
        for _ in range(self.random.randint(1, 6)):
            if self.left <= 0:
                break
            children.append(self.obj(f"c{index}_prop", "X3DObject", self.random.sample(PROP_OPERATORS, 1)))
        model[1] = children
        return model

    def scene(self):
        """The objects at the scene root, one at a time, as each is made."""
        groups, index = 0, 0
        while self.left > 0:
            index += 1
            if self.random.random() < 0.2:
                yield self.obj("prop", "X3DObject")
            else:
                yield self.character(index)
            if index % 500 == 1:
                groups += 1
                yield [f'{{"name": "group{groups}", "class": "Group"', None]


def object_lines(node, indent, last, lines):
    """In the layout the host writes: one object a line, its children on the
    lines below it, two blanks deeper."""
    head, children = node
    pad = " " * indent
    end = "" if last else ","
    if not children:
        lines.append(f"{pad}{head}}}{end}\n")
        return
    lines.append(f'{pad}{head}, "children": [\n')
    for i, child in enumerate(children):
        object_lines(child, indent + 2, i + 1 == len(children), lines)
    lines.append(f"{pad}]}}{end}\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("count", type=int, help="how many 3D objects")
    parser.add_argument("out", help="the scene file to write, or - for standard output")
    parser.add_argument("--seed", type=int, default=1, help="the same seed gives the same scene (default 1)")
    args = parser.parse_args()
    if args.count < 0:
        parser.error("N must not be negative")

    maker = RigMaker(args.count, args.seed)
    any_object = args.count > 0
    try:
        out = sys.stdout if args.out == "-" else open(args.out, "w", encoding="utf-8", newline="\n")
    except OSError as error:
        sys.exit(f"make-scene.py: {args.out}: {error.strerror}")
    with out:
        # Each root object is written once the next one is made (which says
        # whether it was the last), a batch of lines at a time: memory holds
        # one object and the names, not the scene.
        lines = ['{\n  "objects": [' + ("\n" if any_object else "")]
        made = None
        for node in maker.scene():
            if made is not None:
                object_lines(made, 4, False, lines)
                if len(lines) > 10000:
                    out.write("".join(lines))
                    lines.clear()
            made = node
        if made is not None:
            object_lines(made, 4, True, lines)
        lines.append(('  ' if any_object else '') + '],\n  "selection": [' + ("\n" if any_object else ""))
        out.write("".join(lines))
        names = maker.names
        for start in range(0, len(names), 10000):
            chunk = ",\n".join(f'    "{name}"' for name in names[start:start + 10000])
            out.write((",\n" if start else "") + chunk)
        out.write(('\n  ' if any_object else '') + '],\n  "root_properties": []\n}\n')
    if args.out != "-":
        print(f"{args.out}: {args.count} 3D objects, seed {args.seed}", file=sys.stderr)


if __name__ == "__main__":
    try:
        main()
    except BrokenPipeError:
        sys.exit(1)

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


class SceneWriter:
    """Streams scene JSON in the layout the host writes: one object a line,
    its children on the lines below it, two blanks deeper."""

    def __init__(self, out):
        self.out = out

    def write(self, text):
        self.out.write(text)

    @staticmethod
    def constraint(item):
        if isinstance(item, tuple):
            return f'{{"name": {json.dumps(item[0])}, "type": {json.dumps(item[1])}}}'
        return json.dumps(item)

    def object(self, obj, indent, last):
        head = f'{{"name": {json.dumps(obj["name"])}, "class": {json.dumps(obj["class"])}'
        if obj.get("constraints"):
            head += ', "constraints": [' + ", ".join(self.constraint(c) for c in obj["constraints"]) + "]"
        if obj.get("operators"):
            head += ', "operators": [' + ", ".join(json.dumps(o) for o in obj["operators"]) + "]"
        pad = " " * indent
        end = "" if last else ","
        children = obj.get("children")
        if not children:
            self.write(f"{pad}{head}}}{end}\n")
            return
        self.write(f'{pad}{head}, "children": [\n')
        for i, child in enumerate(children):
            self.object(child, indent + 2, i + 1 == len(children))
        self.write(f"{pad}]}}{end}\n")


class RigMaker:
    def __init__(self, count, seed):
        self.left = count
        self.random = random.Random(seed)
        self.names = []
        self.serial = 0

    def name(self, stem):
        self.serial += 1
        name = f"{stem}{self.serial}"
        self.names.append(name)
        self.left -= 1
        return name

    def constraints(self):
        chosen = []
        for _ in range(self.random.choice([0, 1, 2, 3, 4, 4, 5])):
            roll = self.random.random()
            kind = self.random.choice(KINDS)
            if roll < 0.12:
                chosen.append((self.random.choice(RENAMED), kind))
            elif roll < 0.18:
                chosen.append(self.random.choice(NEAR_MISSES))
            else:
                chosen.append(kind)
        return chosen

    def obj(self, stem, cls, operators=()):
        return {"name": self.name(stem), "class": cls,
                "constraints": self.constraints(), "operators": list(operators)}

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
            parent.setdefault("children", []).append(bone)
            parent = bone
        if self.left > 0:
            parent.setdefault("children", []).append(self.obj(f"{stem}_eff", "ChainEffector"))
        return root

    def character(self, index):
        model = self.obj(f"char{index}_", "Model")
        model["constraints"] = []  # models are moved as a whole here
        children = []
        for limb in range(self.random.randint(1, 4)):
            if self.left <= 0:
                break
            children.append(self.chain(f"c{index}_{limb}"))
        for _ in range(self.random.randint(1, 6)):
            if self.left <= 0:
                break
            children.append(self.obj(f"c{index}_prop", "X3DObject", self.random.sample(PROP_OPERATORS, 1)))
        model["children"] = children
        return model

    def scene(self):
        objects, groups, index = [], 0, 0
        while self.left > 0:
            index += 1
            if self.random.random() < 0.2:
                objects.append(self.obj("prop", "X3DObject"))
            else:
                objects.append(self.character(index))
            if index % 500 == 1:
                groups += 1
                objects.append({"name": f"group{groups}", "class": "Group"})
        return objects


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("count", type=int, help="how many 3D objects")
    parser.add_argument("out", help="the scene file to write, or - for standard output")
    parser.add_argument("--seed", type=int, default=1, help="the same seed gives the same scene (default 1)")
    args = parser.parse_args()
    if args.count < 0:
        parser.error("N must not be negative")

    maker = RigMaker(args.count, args.seed)
    objects = maker.scene()
    out = sys.stdout if args.out == "-" else open(args.out, "w", encoding="utf-8", newline="\n")
    with out:
        writer = SceneWriter(out)
        writer.write('{\n  "objects": [' + ("\n" if objects else ""))
        for i, obj in enumerate(objects):
            writer.object(obj, 4, i + 1 == len(objects))
        writer.write(('  ' if objects else '') + '],\n  "selection": [' + ("\n" if maker.names else ""))
        for i, name in enumerate(maker.names):
            writer.write(f"    {json.dumps(name)}{'' if i + 1 == len(maker.names) else ','}\n")
        writer.write(('  ' if maker.names else '') + '],\n  "root_properties": []\n}\n')
    if args.out != "-":
        print(f"{args.out}: {args.count} 3D objects, seed {args.seed}", file=sys.stderr)


if __name__ == "__main__":
    try:
        main()
    except BrokenPipeError:
        sys.exit(1)

#!/usr/bin/env python3
"""Builds a scenario's officer and faction masters from the people registry.

    make_scenario.py ROSTER FACTIONS OFFICER_MASTER FACTION_MASTER

ROSTER (tab-separated, header line): id, commentID, ruler, job
    id        officer number 1..N in order
    commentID the person in data/people/people.tsv
    ruler     commentID of the ruler he serves (his own for a ruler), 0 = nobody
    job       1..6; empty = the registry's usual post
FACTIONS (tab-separated, header line): id, ruler, leader, army, seihei, meisei, tian, kessoku, ifu
    ruler     commentID of the faction's ruler
    leader    commentID of the ruler leading its alliance (its own ruler for a leader), 0 = none
Names, portraits and abilities come from the registry. The masters are written as UTF-8 with LF;
the build turns them into CP932 with CR LF.
"""
import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REGISTRY = os.path.join(HERE, '..', '..', 'data', 'people', 'people.tsv')


def rows(path):
    with open(path, encoding='utf-8', newline='') as f:
        return [r for r in csv.DictReader(f, delimiter='\t') if any(v.strip() for v in r.values() if v)]


def main(argv):
    if len(argv) != 5:
        print(__doc__)
        return 2
    roster_path, factions_path, officer_out, faction_out = argv[1:]
    people = {int(r['commentID']): r for r in rows(REGISTRY)}
    roster = rows(roster_path)
    factions = rows(factions_path)
    problems = []

    by_comment = {}
    for n, r in enumerate(roster, 1):
        oid, cid = int(r['id']), int(r['commentID'])
        if oid != n:
            problems.append(f'{roster_path}: row {n} has id {oid}, expected {n}')
        if cid not in people:
            problems.append(f'{roster_path}: id {oid}: commentID {cid} is not in the registry')
        if cid in by_comment:
            problems.append(f'{roster_path}: commentID {cid} appears twice')
        by_comment[cid] = oid

    rulers = {int(f['ruler']) for f in factions}
    officers = []
    for r in roster:
        oid, cid, ruler = int(r['id']), int(r['commentID']), int(r['ruler'])
        p = people.get(cid)
        if p is None:
            continue
        job = int(r['job']) if r.get('job', '').strip() else int(p['job'])
        kun = 0
        if ruler:
            if ruler not in by_comment:
                problems.append(f'{roster_path}: id {oid} serves {ruler}, who is not in this scenario')
            elif ruler not in rulers:
                problems.append(f'{roster_path}: id {oid} serves {ruler}, who rules no faction')
            else:
                kun = by_comment[ruler]
        if cid in rulers:
            if ruler != cid:
                problems.append(f'{roster_path}: ruler {p["name"]} must serve himself')
            job = 5
        elif job == 5:
            problems.append(f'{roster_path}: id {oid} {p["name"]} has job 5 but rules no faction')
        officers.append((oid, p, kun, job, cid))

    leaders = [int(f['ruler']) for f in factions if int(f['leader']) == int(f['ruler'])]
    if len(leaders) > 3:
        problems.append(f'{factions_path}: {len(leaders)} alliance leaders, at most 3')
    for n, f in enumerate(factions, 1):
        if int(f['id']) != n:
            problems.append(f'{factions_path}: row {n} has id {f["id"]}')
        leader = int(f['leader'])
        if leader and leader not in leaders:
            problems.append(f'{factions_path}: faction {n} follows {leader}, who leads no alliance')
        if int(f['ruler']) not in by_comment:
            problems.append(f'{factions_path}: faction {n}: ruler {f["ruler"]} is not in the roster')
    if problems:
        print('\n'.join(problems), file=sys.stderr)
        return 1

    with open(officer_out, 'w', encoding='utf-8', newline='\n') as out:
        for oid, p, kun, job, cid in officers:
            out.write(f'.{oid}\n"{p["name"]}"\n{p["policy"]},{p["fight"]},{p["wisdom"]},{p["tactics"]}\n'
                      f'{p["charm"]},{p["Setu"]}\n{kun},{job}\n"{p["portrait"]}"\n{cid}\n')
    with open(faction_out, 'w', encoding='utf-8', newline='\n') as out:
        for f in factions:
            ruler = by_comment[int(f['ruler'])]
            leader = by_comment[int(f['leader'])] if int(f['leader']) else 0
            name = people[int(f['ruler'])]['name']
            out.write(f'.{f["id"]}\n"{name}"\n{leader},{ruler},{f["army"]},{f["seihei"]},{f["meisei"]},'
                      f'{f["tian"]},{f["kessoku"]},{f["ifu"]}\n"FALSE"\n')
    print(f'{officer_out}: {len(officers)} officers; {faction_out}: {len(factions)} factions')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))

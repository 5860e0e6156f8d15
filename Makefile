# The kit's entry points: `make test` (everything, from a fresh Debian 12 machine), `make demo`
# (the kit running under Wine, screenshots under out/), `make kit MODEL_INDEX=n`, `make kits`.
MODEL_INDEX ?= 13
JOBS ?= 2
BUILD := build
OUT := $(CURDIR)/out
WIN_BUILD := $(BUILD)/win
HOST_BUILD := $(BUILD)/host
ASAN_BUILD := $(BUILD)/host-asan

.PHONY: all deps kit kits windows host asan test unit demo bench clean images long-run

all: kit

deps:
	@tools/install_deps.sh

windows: deps
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	    -DCMAKE_BUILD_TYPE=MinSizeRel -DMODEL_INDEX=$(MODEL_INDEX) -DKIT_OUT_DIR=$(OUT)
	cmake --build $(WIN_BUILD) -j$(JOBS)

kit: windows

# All fifteen kits, from a build folder of their own so that the test build (build/win) keeps its model.
KITS_BUILD := $(BUILD)/kits
kits: deps
	@for i in 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14; do \
	    cmake -S . -B $(KITS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	        -DCMAKE_BUILD_TYPE=MinSizeRel -DMODEL_INDEX=$$i -DKIT_OUT_DIR=$(OUT) >/dev/null && \
	    cmake --build $(KITS_BUILD) -j$(JOBS) --target kit >/dev/null || exit 1; \
	    echo "kit $$i: $(OUT)/kit-$$(cat $(KITS_BUILD)/model_id.txt)"; \
	done

host: deps
	cmake -S . -B $(HOST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMODEL_INDEX=$(MODEL_INDEX) \
	    -DKIT_OUT_DIR=$(OUT) -DWIN_BUILD_DIR=$(CURDIR)/$(WIN_BUILD)
	cmake --build $(HOST_BUILD) -j$(JOBS)

# The unit suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMODEL_INDEX=$(MODEL_INDEX) -DKIT_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest -L unit --output-on-failure

unit: host
	cd $(HOST_BUILD) && ctest -L unit --output-on-failure

# The libFuzzer fuzzers of the parsers (clang, ASan and UBSan): `make fuzz` runs each for FUZZ_SECONDS, JOBS
# at a time (FUZZERS="a b" picks some); `make fuzz-short`, part of `make test`, about FUZZ_SHORT_SECONDS in
# all from fresh copies of the seeds, then replays tests/fuzz/regressions. Findings: build/fuzz/artifacts.
FUZZ_BUILD := $(BUILD)/fuzz
FUZZ_SECONDS ?= 300
FUZZ_SHORT_SECONDS ?= 60
FUZZERS ?=
.PHONY: fuzz-build fuzz fuzz-short

fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang-14 \
	    -DCMAKE_CXX_COMPILER=clang++-14 -DKIT_FUZZ=ON -DMODEL_INDEX=$(MODEL_INDEX)
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

fuzz: fuzz-build
	tests/fuzz/run_fuzzers.sh $(FUZZ_BUILD) long $(FUZZ_SECONDS) $(JOBS) $(FUZZERS)

fuzz-short: fuzz-build
	tests/fuzz/run_fuzzers.sh $(FUZZ_BUILD) short $(FUZZ_SHORT_SECONDS) $(JOBS)

test: kit kits host asan fuzz-short
	cd $(HOST_BUILD) && ctest --output-on-failure

# The monitor ticking for LONG_RUN_SECONDS (default 30 minutes) with states, USB events and port changes;
# its object and handle counts must not grow. `make test` runs the same scenario for two minutes.
long-run: kit host
	cd $(HOST_BUILD) && ctest -R '^e2e\.prefix$$' --output-on-failure
	tools/long_run.sh "$(OUT)/kit-$$(cat $(WIN_BUILD)/model_id.txt)" "$(CURDIR)/$(WIN_BUILD)" \
	    "$(CURDIR)/$(HOST_BUILD)/e2e/base-prefix" $${LONG_RUN_SECONDS:-1800}

demo: kit host
	tools/demo.sh "$(OUT)/kit-$$(cat $(WIN_BUILD)/model_id.txt)" \
	    "$(CURDIR)/$(WIN_BUILD)/robot.exe" "$(OUT)/demo"

# Figures only, never a pass/fail: host logic timings (optimised build), then whole-process figures under Wine.
BENCH_BUILD := $(BUILD)/host-bench
bench: kit
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DMODEL_INDEX=$(MODEL_INDEX)
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target logic_bench
	$(BENCH_BUILD)/tests/bench/logic_bench
	tools/bench_wine.sh "$(OUT)/kit-$$(cat $(WIN_BUILD)/model_id.txt)" "$(CURDIR)/$(WIN_BUILD)" $${BENCH_SECONDS:-60}

# Regenerates the committed icons, bitmaps and cursors (needs only python3).
images:
	python3 tools/make_images.py

clean:
	rm -rf $(BUILD) $(OUT)
